#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QPair>
#include <QString>

// A request and its answer as plain values, so that what the remote
// decides can be tested without a socket and without the HTTP library.
using HttpHeaders = QList<QPair<QByteArray, QByteArray>>;

struct HttpRequest {
    QByteArray method; // "GET", "POST", ...
    // As sent, percent-encoded and without the query, so that a "/" inside
    // a pattern's name stays apart from the slashes between the parts.
    QString path;
    QByteArray query; // after the "?", percent-encoded
    HttpHeaders headers;
    QByteArray body;
    QHostAddress peer;
    bool secure = false; // came over HTTPS
    // Where the server listens; an address such as 0.0.0.0 for every network.
    QHostAddress listenAddress;
    quint16 listenPort = 0;

    // The first header of that name, whatever its case; empty when absent.
    QByteArray header(QByteArrayView name) const
    {
        for (const auto &[key, value] : headers)
            if (QByteArrayView(key).compare(name, Qt::CaseInsensitive) == 0)
                return value;
        return {};
    }

    // Whether the client asked for the connection to end after the answer.
    bool asksToClose() const
    {
        for (const QByteArray &option : header("connection").split(','))
            if (option.trimmed().compare("close", Qt::CaseInsensitive) == 0)
                return true;
        return false;
    }
};

struct HttpResponse {
    int status = 200;
    QByteArray contentType;
    QByteArray body;
    HttpHeaders headers;
};

// The most a request body may hold.
inline constexpr qsizetype MaxBodyBytes = 16 * 1024;
// A sequence uploaded to be made a pattern is larger, and only that route
// takes it.
inline constexpr qsizetype MaxUploadBytes = 64 * 1024 * 1024;
inline constexpr char UploadRequestLine[] = "POST /api/v1/patterns/import";
