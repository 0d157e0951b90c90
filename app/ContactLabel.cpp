#include "app/ContactLabel.h"

#include <QDesktopServices>
#include <QMouseEvent>

ContactLabel::ContactLabel(const QString &address, QWidget *parent)
    : QLabel(address, parent), m_address(address), m_open([](const QUrl &url) { QDesktopServices::openUrl(url); })
{
    setCursor(Qt::PointingHandCursor);
    setStyleSheet(QStringLiteral("color: navy"));
}

void ContactLabel::openMail()
{
    m_open(QUrl(QStringLiteral("mailto:") + m_address));
}

void ContactLabel::mousePressEvent(QMouseEvent *event)
{
    m_leftPressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ContactLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click =
        m_leftPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_leftPressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}
