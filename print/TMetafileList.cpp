#include "print/TMetafileList.h"

TMetafileList::TMetafileList(QObject *parent) : QObject(parent) {}

void TMetafileList::add(const QPicture &page)
{
    m_stream.append(page.data(), page.size());
    m_offsets.push_back(m_stream.size());
    emit pageAdded(count());
}

void TMetafileList::clear()
{
    m_stream = QByteArray();
    m_offsets.assign(1, 0);
    m_loaded = QPicture();
    m_loadedIndex = -1;
    emit cleared();
}

const QPicture &TMetafileList::page(int index)
{
    if (index != m_loadedIndex) {
        const auto at = static_cast<size_t>(index);
        const qsizetype start = m_offsets.at(at);
        // A picture checks its data as one whole, so each page is read from
        // its own slice of the stream, never from a device holding the rest.
        m_loaded = QPicture();
        m_loaded.setData(m_stream.constData() + start, static_cast<uint>(m_offsets.at(at + 1) - start));
        m_loadedIndex = index;
    }
    return m_loaded;
}
