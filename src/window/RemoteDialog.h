#pragma once

#include <QDialog>

#include <optional>

// The remote's address for a phone: its QR code and the address as text to
// copy, or, when the remote is off, how to switch it on.
class RemoteDialog : public QDialog {
    Q_OBJECT

public:
    // url: the page's address with the key, or nothing when the remote is off.
    RemoteDialog(const std::optional<QString> &url, QWidget *parent = nullptr);
};
