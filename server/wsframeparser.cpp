#include "server/wsframeparser.h"

#include <zlib.h>

namespace {
void EndInflate(z_stream_s* zs) {
    if (zs) {
        inflateEnd(zs);
        delete zs;
    }
}

void Unmask(char* p, qint64 n, const unsigned char key[4]) {
    for (qint64 i = 0; i < n; ++i)
        p[i] = char(p[i] ^ key[i & 3]);
}

bool ValidCloseCode(quint16 code) {
    return (code >= 1000 && code <= 1003) || (code >= 1007 && code <= 1014) || (code >= 3000 && code <= 4999);
}
} // namespace

WsFrameParser::WsFrameParser(qint64 maxMessage) : m_maxMessage(maxMessage), m_zs(nullptr, EndInflate) {}

WsFrameParser::~WsFrameParser() = default;

qint64 WsFrameParser::room() const {
    if (m_failed)
        return 0;
    // One whole frame (bounded by the message limit once its header is read) plus one read.
    const qint64 cap = m_maxMessage + 14 + ReadChunk;
    return qMax<qint64>(0, cap - buffered());
}

void WsFrameParser::append(const char* data, qint64 size) {
    if (m_failed || size <= 0)
        return;
    if (size > room()) {
        // The caller ignored room(): keep the bound and report it at the next call of next().
        m_buf.clear();
        m_off = 0;
        m_haveHeader = false;
        m_overflow = true;
        return;
    }
    if (m_off > 0 && m_off == m_buf.size()) {
        m_buf.clear();
        m_off = 0;
    } else if (m_off >= ReadChunk) {
        m_buf.remove(0, m_off);
        m_off = 0;
    }
    m_buf.append(data, int(size));
}

WsEvent WsFrameParser::fail(quint16 code, const QString& why) {
    m_failed = true;
    m_buf.clear();
    m_off = 0;
    m_message.clear();
    WsEvent ev;
    ev.kind = WsEvent::Error;
    ev.code = code;
    ev.error = why;
    return ev;
}

WsEvent WsFrameParser::next() {
    if (m_failed)
        return WsEvent();
    if (m_overflow)
        return fail(CloseTooBig, QStringLiteral("input beyond the read bound"));
    for (;;) {
        WsEvent ev;
        if (!m_haveHeader) {
            if (!readHeader(&ev))
                return ev;
            continue;
        }
        if (buffered() < m_length)
            return WsEvent();
        m_haveHeader = false;
        const char* payload = m_buf.constData() + m_off;
        const int n = int(m_length);
        m_off += n;
        if (m_opcode >= 8 ? controlFrame(payload, n, &ev) : dataFrame(payload, n, &ev))
            return ev;
    }
}

bool WsFrameParser::readHeader(WsEvent* ev) {
    const auto* p = reinterpret_cast<const unsigned char*>(m_buf.constData()) + m_off;
    const qint64 avail = buffered();
    if (avail < 2)
        return false;
    const bool fin = p[0] & 0x80;
    const bool rsv1 = p[0] & 0x40;
    const int opcode = p[0] & 0x0F;
    const bool masked = p[1] & 0x80;
    const int code = p[1] & 0x7F;
    const bool control = opcode >= 8;
    // The phone is not ours to change, so the reader is lenient where no bound is at stake: frames
    // without a mask are taken as they are, the reserved bits are ignored (RSV1 only means
    // compression where "deflate-frame" was agreed), reserved opcodes are read and then dropped, and
    // a data frame with an opcode inside a fragmented message simply continues it.
    if (masked && m_rejectMasked) {
        *ev = fail(CloseProtocolError, QStringLiteral("masked frame"));
        return false;
    }
    if (control && code > MaxControlPayload) {
        *ev = fail(CloseProtocolError, QStringLiteral("control frame over 125 bytes"));
        return false;
    }
    const int extra = code == 126 ? 2 : code == 127 ? 8 : 0;
    const int headerLen = 2 + extra + (masked ? 4 : 0);
    if (avail < headerLen)
        return false;
    quint64 length = quint64(code);
    if (extra) {
        length = 0;
        for (int i = 0; i < extra; ++i)
            length = (length << 8) | p[2 + i];
    }
    if (length >> 63) {
        *ev = fail(CloseProtocolError, QStringLiteral("length with the top bit set"));
        return false;
    }
    const bool compressed = rsv1 && m_inflate && !control;
    const quint64 limit = control ? quint64(MaxControlPayload)
                                  : (compressed ? quint64(m_maxMessage) : quint64(m_maxMessage - m_message.size()));
    if (length > limit) {
        *ev = fail(CloseTooBig, QStringLiteral("frame of %1 bytes over the bound").arg(length));
        return false;
    }
    m_fin = fin;
    m_rsv1 = compressed;
    m_opcode = opcode;
    m_masked = masked;
    if (masked)
        memcpy(m_key, p + 2 + extra, 4);
    m_length = qint64(length);
    m_haveHeader = true;
    m_off += headerLen;
    return true;
}

bool WsFrameParser::controlFrame(const char* payload, int n, WsEvent* ev) {
    ev->data = QByteArray(payload, n);
    if (m_masked)
        Unmask(ev->data.data(), n, m_key);
    if (m_opcode == 9) {
        ev->kind = WsEvent::Ping;
    } else if (m_opcode == 10) {
        ev->kind = WsEvent::Pong;
    } else if (m_opcode != 8) {
        *ev = WsEvent();
        return false; // a reserved control frame: read and ignored
    } else {
        if (n == 1) {
            *ev = fail(CloseProtocolError, QStringLiteral("close frame with a one-byte body"));
            return true;
        }
        ev->kind = WsEvent::Close;
        ev->code = CloseNoStatus;
        if (n >= 2) {
            ev->code = quint16((quint8(ev->data.at(0)) << 8) | quint8(ev->data.at(1)));
            ev->data.remove(0, 2);
            if (!ValidCloseCode(ev->code)) {
                *ev = fail(CloseProtocolError, QStringLiteral("invalid close status %1").arg(ev->code));
                return true;
            }
        }
    }
    return true;
}

bool WsFrameParser::dataFrame(const char* payload, int n, WsEvent* ev) {
    // The message's type is the opcode of its first frame (0 for a continuation that has none).
    if (!m_inMessage) {
        m_inMessage = true;
        m_msgType = m_opcode;
    }
    if (m_rsv1) {
        QByteArray data(payload, n);
        if (m_masked)
            Unmask(data.data(), n, m_key);
        if (!inflateInto(data, &m_message, ev))
            return true;
    } else {
        const int at = m_message.size();
        m_message.append(payload, n);
        if (m_masked)
            Unmask(m_message.data() + at, n, m_key);
    }
    if (!m_fin)
        return false;
    const int type = m_msgType;
    m_inMessage = false;
    m_msgType = 0;
    if (type != 1 && type != 2) {
        m_message.clear(); // neither text nor binary: dropped
        return false;
    }
    ev->kind = type == 1 ? WsEvent::Text : WsEvent::Binary;
    ev->data = m_message;
    m_message.clear();
    return true;
}

bool WsFrameParser::inflateInto(const QByteArray& payload, QByteArray* out, WsEvent* error) {
    if (!m_zs) {
        auto* zs = new z_stream_s();
        if (inflateInit2(zs, -MAX_WBITS) != Z_OK) {
            delete zs;
            *error = fail(CloseInvalidData, QStringLiteral("inflate could not start"));
            return false;
        }
        m_zs.reset(zs);
    }
    // The sender cut the sync-flush marker off the frame; the inflater needs it back.
    QByteArray in = payload;
    in.append("\x00\x00\xff\xff", 4);
    z_stream_s* zs = m_zs.get();
    zs->next_in = reinterpret_cast<Bytef*>(in.data());
    zs->avail_in = uInt(in.size());
    char chunk[16384];
    for (;;) {
        zs->next_out = reinterpret_cast<Bytef*>(chunk);
        zs->avail_out = sizeof(chunk);
        const int r = inflate(zs, Z_SYNC_FLUSH);
        const qint64 produced = qint64(sizeof(chunk)) - zs->avail_out;
        if (out->size() + produced > m_maxMessage) {
            *error = fail(CloseTooBig, QStringLiteral("inflated message over the bound"));
            return false;
        }
        out->append(chunk, int(produced));
        if (r == Z_STREAM_END) {
            // The peer ended its stream (final block): the next frame starts a new one.
            inflateReset(zs);
            return true;
        }
        if (r == Z_BUF_ERROR || (r == Z_OK && zs->avail_in == 0 && zs->avail_out != 0))
            return true;
        if (r != Z_OK) {
            *error = fail(CloseInvalidData, QStringLiteral("bad compressed data"));
            return false;
        }
    }
}
