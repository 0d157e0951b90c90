#pragma once

#include "i18n/LanguageRow.h"

#include <QFrame>

class Document;
class QDateEdit;
class QLabel;
class QSpinBox;
class QTimeEdit;

// The strip under the main window's buttons that shows the document's header
// values: the creation date ("dd.MM.yy") and time, and the version. It shows
// the document's values whenever they change and hands the operator's changes
// back to the document.
class HeaderValueStrip : public QFrame
{
    Q_OBJECT
public:
    HeaderValueStrip(Document &document, QWidget *parent = nullptr);

    // The controls in the order the keyboard visits them.
    QList<QWidget *> tabOrder() const;
    void setValuesEnabled(bool enabled);
    // The strip's numbered texts and the labels that show them.
    LanguageRows languageRows();

private:
    void showDocument();

    Document &m_document;
    QDateEdit *DatePicker;
    QTimeEdit *TimePicker;
    QSpinBox *SpinVerze;
    QLabel *m_dateLabel;
    QLabel *m_versionLabel;
};
