#pragma once
// Incremental reader of the frames a WebSocket client sends (RFC 6455, with "deflate-frame").
// Every length is checked against the bounds before any payload is held, and a frame may arrive in any
// number of pieces. What would break a bound ends in an Error event carrying the close status.

#include <QByteArray>
#include <QString>
#include <memory>

struct z_stream_s;

struct WsEvent {
    enum Kind { None, Text, Binary, Ping, Pong, Close, Error };
    Kind kind = None;
    QByteArray data;  // message bytes; ping or pong payload; close reason
    quint16 code = 0; // Close: the peer's status (1005 when it gave none); Error: the status to close with
    QString error;    // Error: what was wrong, for the log
};

class WsFrameParser {
public:
    // Largest message (after inflating) that a client may send; the phone's messages are short URLs.
    static constexpr qint64 DefaultMaxMessage = 1024 * 1024;
    static constexpr int MaxControlPayload = 125;
    // Bytes beyond the frame being read that Room() leaves for one read.
    static constexpr qint64 ReadChunk = 65536;

    enum CloseCode : quint16 {
        CloseNormal = 1000,
        CloseProtocolError = 1002,
        CloseNoStatus = 1005,
        CloseInvalidData = 1007,
        CloseTooBig = 1009
    };

    explicit WsFrameParser(qint64 maxMessage = DefaultMaxMessage);
    ~WsFrameParser();
    WsFrameParser(const WsFrameParser&) = delete;
    WsFrameParser& operator=(const WsFrameParser&) = delete;

    // Data frames with RSV1 are inflated ("deflate-frame" was agreed); otherwise RSV1 is ignored.
    void setInflate(bool on) { m_inflate = on; }
    // Frames are read masked or not. A reader of server frames, which are never masked, switches this on
    // to treat a masked one as an error.
    void setRejectMasked(bool on) { m_rejectMasked = on; }

    // How many bytes append() takes now; reading no more than this keeps the buffer bounded.
    qint64 room() const;
    void append(const char* data, qint64 size);
    void append(const QByteArray& data) { append(data.constData(), data.size()); }
    // The next complete message or control frame; None while bytes are missing. After an Error
    // (reported once) the parser takes nothing more.
    WsEvent next();
    bool failed() const { return m_failed; }
    qint64 buffered() const { return m_buf.size() - m_off; }

private:
    WsEvent fail(quint16 code, const QString& why);
    // Reads the next frame's header and checks its bounds. False when the caller returns `ev`: bytes are
    // missing (a None event) or the header breaks a bound (an Error event).
    bool readHeader(WsEvent* ev);
    // A control frame's payload: true with the ping, pong or close (or the Error) in `ev`, false for a reserved
    // control frame, which is dropped.
    bool controlFrame(const char* payload, int n, WsEvent* ev);
    // A data frame's payload, added to the message: true with the whole text or binary message (or the Error)
    // in `ev`, false while the message goes on or when a finished one is neither text nor binary.
    bool dataFrame(const char* payload, int n, WsEvent* ev);
    bool inflateInto(const QByteArray& payload, QByteArray* out, WsEvent* error);

    qint64 m_maxMessage;
    bool m_inflate = false;
    bool m_rejectMasked = false;
    bool m_failed = false;
    bool m_overflow = false;

    QByteArray m_buf;
    int m_off = 0; // start of unread bytes in m_buf

    // Header of the frame whose payload is awaited.
    bool m_haveHeader = false;
    bool m_fin = false;
    bool m_rsv1 = false;
    int m_opcode = 0;
    bool m_masked = false;
    unsigned char m_key[4] = {0, 0, 0, 0};
    qint64 m_length = 0;

    // Data message being assembled.
    bool m_inMessage = false;
    int m_msgType = 0; // the opcode of its first frame
    QByteArray m_message;

    std::unique_ptr<z_stream_s, void (*)(z_stream_s*)> m_zs;
};
