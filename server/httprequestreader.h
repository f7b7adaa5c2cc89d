#pragma once
// Reads HTTP requests from a plain phone connection before it is upgraded to a WebSocket.
// The reader buffers one request up to its blank line (bounded), so a request split over several
// TCP segments, pipelined requests and request bodies are all handled one request at a time.

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

class QIODevice;
class QTcpSocket;
class QTimer;

// One parsed request, as the reply handler and the WebSocket upgrade see it.
struct HttpRequest {
    QStringList lines;              // the non-empty lines, one character per byte
    QMap<QString, QString> headers; // name -> first word of the value; names compared exactly
    QString method;                 // upper-cased
    QString target;                 // raw request target
    QString path;                   // target path without its leading '/'
    QMap<QString, QString> query;   // decoded query items; a later item replaces an earlier one
};

// What the connection's owner does with a complete request.
class IHttpRequestHandler {
public:
    virtual ~IHttpRequestHandler() = default;
    // Body of the reply to a plain request (every method is answered like GET).
    virtual QByteArray HandleHttpGet(const QString& path, const QMap<QString, QString>& query) = 0;
    // "Upgrade: websocket": the handler takes the socket over. `pending` holds the bytes that followed
    // the request's blank line (frames a client sent without waiting for the reply).
    virtual void DoWebSocketHandshake(QTcpSocket* socket, const QString& path, const QMap<QString, QString>& query,
                                      const QMap<QString, QString>& headers, const QByteArray& pending) = 0;
};

class HttpRequestReader : public QObject {
    Q_OBJECT
public:
    enum Status {
        NeedMore,      // no complete request yet
        Ready,         // a request was taken
        Empty,         // nothing but blank lines, more than MaxHeaderBytes of them
        InvalidHeader, // the request line has fewer than two words
        TooLong        // the header block does not end within MaxHeaderBytes
    };

    // Bound of one request's header block, request line included.
    static constexpr int MaxHeaderBytes = 16384;
    // A reply backlog above this means the peer sends requests without reading the replies.
    static constexpr qint64 MaxPendingReplyBytes = 8 * 1024 * 1024;

    explicit HttpRequestReader(QObject* parent = nullptr);

    // A plain connection must complete a request within this time of its first byte or its previous
    // request, else it is closed (replies announce a keep-alive of 4 s). Tests shorten it.
    static int IdleTimeoutMs();
    static void SetIdleTimeoutMs(int ms);
    // Starts the idle bound of a freshly accepted socket (ServeSocket does it at the first byte).
    static HttpRequestReader* Watch(QTcpSocket* socket);

    // Bytes that Append takes now without passing the bound (at least 1 while NeedMore).
    qint64 Room() const;
    void Append(const QByteArray& data);
    // Takes the next request from the buffered bytes; call after every Append until NeedMore.
    Status Next(HttpRequest* request);
    // Pulls from the device as far as the bound allows and returns the next request's status.
    Status ReadFrom(QIODevice* device, HttpRequest* request);
    // Hands over what follows the last request (used at the WebSocket upgrade) and resets the reader.
    QByteArray TakeBuffered();

    // Fills method, target, path, query and headers from the lines; InvalidHeader or Ready.
    static Status ParseLines(const QStringList& lines, HttpRequest* request);

    // The whole readyRead handling of a plain connection: reads every complete request, answers plain
    // ones with HandleHttpGet and WriteHttpResponse, hands an upgrade to the handler, and closes the
    // socket on a malformed or oversized request. Keeps its state in a child of the socket.
    static void ServeSocket(QTcpSocket* socket, IHttpRequestHandler* handler);

private:
    void restartIdle();

    QTcpSocket* m_socket = nullptr; // watched for idleness; null for a reader fed by hand
    QTimer* m_idle = nullptr;
    QByteArray m_buf;
    qint64 m_skip = 0;     // body bytes of the last request still to be dropped
    int m_scanned = 0;     // bytes of m_buf already split into m_lines
    int m_blankBytes = 0;  // blank lines dropped since the last request line
    QStringList m_lines;   // lines of the request being read
    bool m_failed = false; // once a request was refused nothing more is read
};
