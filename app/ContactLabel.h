#pragma once

#include <QLabel>
#include <QUrl>

#include <functional>

// The contact address on the status line, shown as a link: navy, with a hand
// cursor. A left click on it is its click; other buttons do nothing.
class ContactLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ContactLabel(const QString &address, QWidget *parent = nullptr);

    // Asks the desktop to open a new mail to the address.
    void openMail();
    // Where openMail hands its "mailto:" link; the desktop's own handler by default.
    void setUrlOpener(std::function<void(const QUrl &)> open) { m_open = std::move(open); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_address;
    std::function<void(const QUrl &)> m_open;
    // A click is a left press and its release over the label.
    bool m_leftPressed = false;
};
