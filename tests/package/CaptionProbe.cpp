// A Qt plugin that the package test loads into the unmodified, unpacked program through Qt's own
// mechanism for generic plugins (QT_PLUGIN_PATH and QT_QPA_GENERIC_PLUGINS). Once the main window has
// been shown and the start-up sequence has run, it prints the caption of every visible window and of every
// visible button, label and group box in it, one per line in UTF-8, and closes the windows the way an
// operator would, so the program writes its settings and ends on its own.

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QGenericPlugin>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>

namespace
{

QString captionOf(const QWidget *widget)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *group = qobject_cast<const QGroupBox *>(widget))
        return group->title();
    return {};
}

void printLine(const QString &text)
{
    if (!text.isEmpty())
        std::fputs((text.toUtf8() + '\n').constData(), stdout);
}

} // namespace

class CaptionProbe : public QObject
{
    Q_OBJECT

public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<QMainWindow *>(watched) && !m_reported) {
            m_reported = true;
            QTimer::singleShot(0, this, &CaptionProbe::reportAndClose);
        }
        return false;
    }

private:
    static void reportAndClose()
    {
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget *window : windows) {
            if (!window->isVisible())
                continue;
            printLine(window->windowTitle());
            for (const QWidget *child : window->findChildren<QWidget *>())
                if (child->isVisible())
                    printLine(captionOf(child));
        }
        std::fflush(stdout);
        QApplication::closeAllWindows();
    }

    bool m_reported = false;
};

class CaptionProbePlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "CaptionProbe.json")

public:
    QObject *create(const QString &, const QString &) override
    {
        auto *probe = new CaptionProbe;
        QCoreApplication::instance()->installEventFilter(probe);
        return probe;
    }
};

#include "CaptionProbe.moc"
