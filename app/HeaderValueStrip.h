#pragma once

#include <QFrame>

class Document;
class QDateEdit;
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

    void setValuesEnabled(bool enabled);

private:
    void showDocument();

    Document &m_document;
    QDateEdit *DatePicker;
    QTimeEdit *TimePicker;
    QSpinBox *SpinVerze;
};
