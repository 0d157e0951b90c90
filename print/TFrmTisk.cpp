#include "print/TFrmTisk.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

constexpr QSize PageButtonSize(30, 20);
constexpr QSize ZoomButtonSize(30, 23);

// A magnifying glass with "+" or "-" in its lens, for when the desktop theme
// has no zoom icons.
QIcon drawnMagnifier(bool plus)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    painter.drawLine(QLineF(4, 6, 8, 6));
    if (plus)
        painter.drawLine(QLineF(6, 4, 6, 8));
    painter.setPen(QPen(Qt::black, 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QLineF(10, 10, 14.5, 14.5));
    return QIcon(pixmap);
}

// A label never narrower than the widest text it is going to show, so the
// controls beside it stay put when the page count or the zoom changes.
void reserveWidth(QLabel *label, const QString &widest)
{
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(widest));
    label->setAlignment(Qt::AlignCenter);
}

} // namespace

TFrmTisk::TFrmTisk(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmTisk"));
    setWindowTitle(QStringLiteral("Tisk"));
    resize(DesignWidth, DesignHeight);

    m_panel = new QWidget(this);
    m_panel->setFixedHeight(PanelHeight);
    auto *row = new QHBoxLayout(m_panel);
    // Tight spacing keeps the whole row within the design width with the
    // usual desktop fonts, which are wider than the ones the design was drawn with.
    row->setContentsMargins(2, 0, 2, 0);
    row->setSpacing(3);
    row->addStretch();

    addLabel("Label1", QStringLiteral("Stránka:"));
    m_pageLabel = addLabel("PageLabel", QStringLiteral("0 / 0"));
    reserveWidth(m_pageLabel, QStringLiteral("00 / 00"));
    m_prevPage = addButton("PrevPageBtn", QStringLiteral("<"));
    m_prevPage->setFixedSize(PageButtonSize);
    m_nextPage = addButton("NextPageBtn", QStringLiteral(">"));
    m_nextPage->setFixedSize(PageButtonSize);
    addLabel("Label3", QStringLiteral("zvětšení:"));
    m_zoomLabel = addLabel("ZoomLabel", QStringLiteral("0%"));
    reserveWidth(m_zoomLabel, QStringLiteral("500%"));
    m_zoomIn = addZoomButton("ZoomInBtn", true);
    m_zoomOut = addZoomButton("ZoomOutBtn", false);
    m_allPage = addButton("AllPageBtn", QStringLiteral("Celá stránka"));
    m_print = addButton("PrintBtn", QStringLiteral("Tisk"));
    m_print->setIcon(QIcon::fromTheme(QStringLiteral("document-print")));
    m_zavrit = addButton("ZavritBtn", QStringLiteral("Zavřít"));
    m_zavrit->setDefault(true);
    connect(m_zavrit, &QPushButton::clicked, this, &QWidget::close);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(m_panel);
    outer->addStretch();
}

QLabel *TFrmTisk::addLabel(const char *name, const QString &text)
{
    auto *label = new QLabel(text, m_panel);
    label->setObjectName(QLatin1StringView(name));
    m_panel->layout()->addWidget(label);
    return label;
}

QPushButton *TFrmTisk::addButton(const char *name, const QString &text)
{
    auto *button = new QPushButton(text, m_panel);
    button->setObjectName(QLatin1StringView(name));
    m_panel->layout()->addWidget(button);
    return button;
}

QPushButton *TFrmTisk::addZoomButton(const char *name, bool zoomIn)
{
    const QString themeName = zoomIn ? QStringLiteral("zoom-in") : QStringLiteral("zoom-out");
    QPushButton *button = addButton(name, {});
    button->setIcon(QIcon::fromTheme(themeName, drawnMagnifier(zoomIn)));
    button->setFixedSize(ZoomButtonSize);
    return button;
}
