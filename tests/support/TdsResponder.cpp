#include "support/TdsResponder.h"

#include <QtEndian>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace lostrand::test {

namespace {

// The packet types of the protocol that the responder meets.
constexpr char Batch = 0x01;
constexpr char Reply = 0x04;
constexpr char Attention = 0x06;
constexpr char Login = 0x10;
constexpr char PreLogin = 0x12;
constexpr int HeaderSize = 8;
constexpr char LastPacket = 0x01;
constexpr quint16 DoneAttention = 0x0020;
constexpr quint32 Loopback = 0x7f000001;

void put16(QByteArray& out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put16BigEndian(QByteArray& out, quint16 value)
{
    char bytes[2];
    qToBigEndian(value, bytes);
    out.append(bytes, 2);
}

QByteArray utf16(const QString& text)
{
    QByteArray out;
    for (const QChar c : text)
        put16(out, c.unicode());
    return out;
}

// A text of up to 255 characters: its length in characters, then the characters.
QByteArray shortText(const QString& text)
{
    return char(text.size()) + utf16(text);
}

QByteArray packet(char type, const QByteArray& payload)
{
    QByteArray out;
    out.append(type);
    out.append(LastPacket);
    put16BigEndian(out, quint16(payload.size() + HeaderSize));
    put16BigEndian(out, 0); // the server's process id
    out.append(char(1));    // the packet's number
    out.append(char(0));
    return out + payload;
}

// The end of an answer. Without the count flag the driver reports no row count.
QByteArray done(quint16 status = 0)
{
    QByteArray out(1, char(0xFD));
    put16(out, status);
    put16(out, 0);
    return out + QByteArray(8, 0);
}

// The server's version, no encryption, no named instance, no multiple active result sets.
QByteArray preLoginAnswer()
{
    const std::vector<std::pair<char, QByteArray>> options{
        {char(0x00), QByteArray("\x0f\x00\x07\xd0\x00\x00", 6)},
        {char(0x01), QByteArray(1, 0x02)},
        {char(0x02), QByteArray(1, 0x00)},
        {char(0x04), QByteArray(1, 0x00)},
    };
    const int start = int(options.size()) * 5 + 1;
    QByteArray head;
    QByteArray data;
    for (const auto& [token, value] : options) {
        head.append(token);
        put16BigEndian(head, quint16(start + data.size()));
        put16BigEndian(head, quint16(value.size()));
        data += value;
    }
    head.append(char(0xFF));
    return head + data;
}

QString fromUtf16(const QByteArray& bytes)
{
    QString text;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        text.append(QChar(qFromLittleEndian<quint16>(bytes.constData() + i)));
    return text;
}

// The database a login asks for: its offset and length in characters stand at bytes 68 to 71.
QString loginDatabase(const QByteArray& login)
{
    if (login.size() < 72)
        return {};
    const int offset = qFromLittleEndian<quint16>(login.constData() + 68);
    const int chars = qFromLittleEndian<quint16>(login.constData() + 70);
    return fromUtf16(login.mid(offset, chars * 2));
}

// A batch's text follows its headers, whose total length stands first.
QString batchText(const QByteArray& batch)
{
    if (batch.size() < 4)
        return {};
    return fromUtf16(batch.mid(qFromLittleEndian<quint32>(batch.constData())));
}

// The database as the current one, the login acknowledged for TDS 7.4 by "Microsoft SQL
// Server" 15.0, and the end.
QByteArray loginAnswer(const QString& database)
{
    const QByteArray change = char(1) + shortText(database) + shortText(QString());
    QByteArray out(1, char(0xE3));
    put16(out, quint16(change.size()));
    out += change;
    const QByteArray ack = QByteArray(1, 1) + QByteArray("\x74\x00\x00\x04", 4) +
                           shortText(QStringLiteral("Microsoft SQL Server")) +
                           QByteArray("\x0f\x00\x07\xd0", 4);
    out.append(char(0xAD));
    put16(out, quint16(ack.size()));
    return out + ack + done();
}

} // namespace

TdsResponder::TdsResponder(Mode mode, const QString& unanswered, const QString& database)
    : m_mode(mode), m_unansweredText(utf16(unanswered)), m_database(database)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = qToBigEndian(Loopback);
    socklen_t size = sizeof address;
    m_listener = socket(AF_INET, SOCK_STREAM, 0);
    if (m_listener < 0 || bind(m_listener, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        listen(m_listener, 16) != 0 ||
        getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &size) != 0 ||
        pipe(m_wake) != 0) {
        closeAll();
        throw std::runtime_error("cannot listen on 127.0.0.1");
    }
    m_port = qFromBigEndian(address.sin_port);
    m_thread = std::thread([this] { serve(); });
}

TdsResponder::~TdsResponder()
{
    const char stop = 0;
    if (write(m_wake[1], &stop, 1) == 1)
        m_thread.join();
    else
        m_thread.detach();
    closeAll();
}

quint16 TdsResponder::closedPort()
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = qToBigEndian(Loopback);
    socklen_t size = sizeof address;
    const int probe = socket(AF_INET, SOCK_STREAM, 0);
    quint16 port = 0;
    if (probe >= 0 && bind(probe, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
        getsockname(probe, reinterpret_cast<sockaddr*>(&address), &size) == 0)
        port = qFromBigEndian(address.sin_port);
    if (probe >= 0)
        close(probe);
    if (port == 0)
        throw std::runtime_error("cannot find a free port on 127.0.0.1");
    return port;
}

void TdsResponder::serve()
{
    for (;;) {
        std::vector<pollfd> watched{{m_wake[0], POLLIN, 0}, {m_listener, POLLIN, 0}};
        for (const auto& client : m_clients)
            watched.push_back({client.first, POLLIN, 0});
        if (poll(watched.data(), watched.size(), -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (watched[0].revents != 0)
            return;
        if (watched[1].revents & POLLIN) {
            const int client = accept(m_listener, nullptr, nullptr);
            if (client >= 0)
                m_clients[client];
        }
        for (size_t i = 2; i < watched.size(); ++i) {
            if (watched[i].revents != 0)
                receive(watched[i].fd);
        }
    }
}

void TdsResponder::receive(int socket)
{
    char buffer[4096];
    const ssize_t got = recv(socket, buffer, sizeof buffer, 0);
    if (got <= 0) {
        drop(socket);
        return;
    }
    if (m_mode == Mode::Silent)
        return;
    Client& client = m_clients[socket];
    client.bytes.append(buffer, got);
    while (client.bytes.size() >= HeaderSize) {
        const int length = qFromBigEndian<quint16>(client.bytes.constData() + 2);
        if (length < HeaderSize) {
            drop(socket);
            return;
        }
        if (client.bytes.size() < length)
            return;
        const char type = client.bytes.at(0);
        const bool last = (client.bytes.at(1) & LastPacket) != 0;
        client.message += client.bytes.mid(HeaderSize, length - HeaderSize);
        client.bytes.remove(0, length);
        if (last) {
            const QByteArray message = std::exchange(client.message, QByteArray());
            answer(socket, type, message);
        }
    }
}

QStringList TdsResponder::batches() const
{
    const std::lock_guard lock(m_mutex);
    return m_batches;
}

void TdsResponder::answer(int socket, char type, const QByteArray& message)
{
    if (type == Batch) {
        const std::lock_guard lock(m_mutex);
        m_batches << batchText(message);
    }
    QByteArray reply;
    if (type == PreLogin) {
        reply = preLoginAnswer();
    } else if (type == Login) {
        reply = loginAnswer(m_database.isEmpty() ? loginDatabase(message) : m_database);
    } else if (type == Attention) {
        ++m_cancels;
        reply = done(DoneAttention);
    } else if (!m_unansweredText.isEmpty() && message.contains(m_unansweredText)) {
        ++m_unanswered;
        return;
    } else {
        reply = done();
    }
    const QByteArray out = packet(Reply, reply);
    qsizetype sent = 0;
    while (sent < out.size()) {
        const ssize_t n =
            send(socket, out.constData() + sent, size_t(out.size() - sent), MSG_NOSIGNAL);
        if (n <= 0)
            return;
        sent += n;
    }
}

void TdsResponder::drop(int socket)
{
    close(socket);
    m_clients.erase(socket);
}

void TdsResponder::closeAll()
{
    for (const auto& client : m_clients)
        close(client.first);
    m_clients.clear();
    for (int fd : {m_listener, m_wake[0], m_wake[1]}) {
        if (fd >= 0)
            close(fd);
    }
}

} // namespace lostrand::test
