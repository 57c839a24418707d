#pragma once

#include "PrintableSetting.h"

#include <QByteArrayView>
#include <QString>

// A value from afar (a topic, a payload, a settings line) as an MQTT log
// line or message may quote it: cut and escaped as the Port setting is.
inline QString printableValue(QByteArrayView bytes)
{
    return QString::fromStdString(printableSetting(std::string_view(bytes.data(), std::size_t(bytes.size()))));
}

inline QString printableValue(const QByteArray &bytes)
{
    return printableValue(QByteArrayView(bytes));
}

inline QString printableValue(const QString &text)
{
    return printableValue(text.toUtf8());
}
