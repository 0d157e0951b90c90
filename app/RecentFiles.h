#pragma once

#include "i18n/ProfileFile.h"

#include <QStringList>

// The files last loaded or saved, newest first, kept in section "Recent" of
// the language file (keys "File1" … "File8") so that the list survives a
// restart. Paths are kept as the file system's own bytes.
class RecentFiles
{
public:
    static constexpr int MaxFiles = 8;

    explicit RecentFiles(const ProfileFile &file) : m_file(file) {}

    // The kept paths, newest first; empty keys and repeats are passed over.
    QStringList paths() const;
    // Puts the file first (once), keeping at most MaxFiles; a name no settings
    // line can hold (a line break, longer than a value) is not kept. False when
    // the settings cannot be written.
    bool remember(const QString &path) const;

private:
    const ProfileFile &m_file;
};
