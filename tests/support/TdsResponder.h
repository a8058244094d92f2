#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <atomic>
#include <map>
#include <mutex>
#include <thread>

namespace lostrand::test {

// A listener on 127.0.0.1 for the tests of the server mode, standing where a SQL Server would.
// No database is behind it.
// - Silent: it takes every connection and never answers, as a server that hangs does.
// - LoginOnly: it speaks just enough of SQL Server's protocol (TDS 7.4, no encryption) for
//   FreeTDS to log in; it reports itself as Microsoft SQL Server, and the database it was given
//   (else the login's) as the current one. Every request after the login gets an empty answer
//   (no rows, no count), except a request that holds the text it was given: that one gets no
//   answer at all, until the driver cancels it.
// Each connection is served on the listener's one thread.
class TdsResponder
{
public:
    enum class Mode
    {
        Silent,
        LoginOnly
    };

    explicit TdsResponder(Mode mode, const QString& unanswered = {}, const QString& database = {});
    ~TdsResponder();
    TdsResponder(const TdsResponder&) = delete;
    TdsResponder& operator=(const TdsResponder&) = delete;

    quint16 port() const { return m_port; }
    // The requests it left unanswered, and the cancels it received.
    int unanswered() const { return m_unanswered; }
    int cancels() const { return m_cancels; }
    // The texts of the statement batches it received, as the driver sent them.
    QStringList batches() const;

    // A port of 127.0.0.1 where nothing listens.
    static quint16 closedPort();

private:
    // The bytes of a connection not yet taken: an incomplete packet, and the packets of an
    // incomplete message.
    struct Client
    {
        QByteArray bytes;
        QByteArray message;
    };

    void serve();
    void receive(int socket);
    void answer(int socket, char type, const QByteArray& message);
    void drop(int socket);
    void closeAll();

    Mode m_mode;
    QByteArray m_unansweredText; // UTF-16LE, as the requests carry their text
    QString m_database;
    int m_listener = -1;
    int m_wake[2] = {-1, -1};
    quint16 m_port = 0;
    std::map<int, Client> m_clients;
    std::atomic<int> m_unanswered{0};
    std::atomic<int> m_cancels{0};
    mutable std::mutex m_mutex;
    QStringList m_batches;
    std::thread m_thread;
};

} // namespace lostrand::test
