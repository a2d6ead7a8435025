#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

// A small HTTP server for the fetch tests: 127.0.0.1 only, an ephemeral port,
// one connection at a time, each answered by the test's handler and closed.
class TestHttpServer
{
  public:
    struct Answer {
        std::string raw;             // status line, headers and (part of) the body, sent as they are
        bool stall = false;          // then keep the connection open, saying nothing more
        std::size_t streamBytes = 0; // then send this many more body bytes, with no length announced
    };
    using Handler = std::function<Answer(const std::string& request)>;

    explicit TestHttpServer(Handler handler) : handler_(std::move(handler))
    {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(listener_, 8) != 0 ||
            ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            throw std::runtime_error("test server cannot listen");
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { serve(); });
    }
    ~TestHttpServer()
    {
        stop_ = true;
        thread_.join();
        ::close(listener_);
    }

    int port() const { return port_; }
    std::string url(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(port_) + path; }
    std::vector<std::string> requests() const
    {
        const std::lock_guard<std::mutex> hold(mutex_);
        return requests_;
    }

    static Answer reply(int status, const std::string& reason, const std::string& body, const std::string& headers = {})
    {
        return {"HTTP/1.1 " + std::to_string(status) + " " + reason + "\r\nContent-Length: " +
                std::to_string(body.size()) + "\r\nConnection: close\r\n" + headers + "\r\n" + body};
    }

    // A port on which nothing listens: bound once, then closed.
    static int refusedPort()
    {
        TestHttpServer probe([](const std::string&) { return Answer{}; });
        return probe.port();
    }

  private:
    bool readable(int fd, int ms) const
    {
        pollfd p{fd, POLLIN, 0};
        return ::poll(&p, 1, ms) > 0;
    }

    void serve()
    {
        while (!stop_) {
            if (!readable(listener_, 50))
                continue;
            const int client = ::accept(listener_, nullptr, nullptr);
            if (client < 0)
                continue;
            std::string request;
            char buffer[4096];
            while (request.find("\r\n\r\n") == std::string::npos && !stop_ && readable(client, 2000)) {
                const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
                if (n <= 0)
                    break;
                request.append(buffer, static_cast<std::size_t>(n));
            }
            {
                const std::lock_guard<std::mutex> hold(mutex_);
                requests_.push_back(request);
            }
            const Answer answer = handler_(request);
            send(client, answer.raw);
            for (std::size_t sent = 0; sent < answer.streamBytes && !stop_;) {
                const std::string chunk(std::min<std::size_t>(65536, answer.streamBytes - sent), '7');
                if (!send(client, chunk))
                    break;
                sent += chunk.size();
            }
            // A stalled answer lasts until the client gives up or the test ends.
            while (answer.stall && !stop_)
                if (readable(client, 50) && ::recv(client, buffer, sizeof buffer, 0) <= 0)
                    break;
            ::close(client);
        }
    }

    static bool send(int fd, const std::string& bytes)
    {
        for (std::size_t at = 0; at < bytes.size();) {
            const ssize_t n = ::send(fd, bytes.data() + at, bytes.size() - at, MSG_NOSIGNAL);
            if (n <= 0)
                return false;
            at += static_cast<std::size_t>(n);
        }
        return true;
    }

    Handler handler_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
};
