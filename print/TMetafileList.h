#pragma once

#include <QByteArray>
#include <QObject>
#include <QPicture>

#include <vector>

// The recorded pages, in order. Every page is serialised into one stream, one
// after another, and only where each page starts is kept: a thousand pages
// cost one buffer, not a thousand live pictures. One page at a time is loaded
// back, and the last one loaded stays until another is asked for.
class TMetafileList : public QObject
{
    Q_OBJECT
public:
    explicit TMetafileList(QObject *parent = nullptr);

    int count() const { return static_cast<int>(m_offsets.size()) - 1; }
    // Appends a finished page.
    void add(const QPicture &page);
    void clear();
    // The page at the index (from 0), loaded from the stream.
    const QPicture &page(int index);
    qsizetype streamSize() const { return m_stream.size(); }

signals:
    void pageAdded(int count);
    void cleared();

private:
    QByteArray m_stream;
    // Where each page starts, and after the last one where the stream ends.
    std::vector<qsizetype> m_offsets{0};
    QPicture m_loaded;
    int m_loadedIndex = -1;
};
