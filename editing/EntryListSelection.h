#pragma once

class EntryModel;
class QTableView;
class QWidget;

// The main window's entry list as Find and Go to move it: they read which
// entry is selected and show the entry they found. They never change an entry.
class EntryListSelection
{
public:
    // How far below a found entry the list is scrolled first, so that the
    // found entry shows near the top with the entries after it below.
    static constexpr int LookAhead = 30;

    EntryListSelection(QTableView &list, const EntryModel &entries) : m_list(list), m_entries(entries) {}

    const EntryModel &entries() const { return m_entries; }
    // The window that holds the list; the search windows are placed by it.
    QWidget *mainWindow() const;

    // The selected entry, or -1 when none is selected.
    int selectedRow() const;
    // Clears the selection and selects the first entry (none when the list is empty).
    void selectFirst();
    // Clears the selection, scrolls the entry LookAhead rows further down (or
    // the last one) into view, selects the entry and scrolls it into view.
    // The keyboard stays where it is.
    //
    // Qt paints only from the event loop, so the list is drawn once, in its
    // final position, after all of this.
    void showFound(int row);
    // Gives the list the input focus, which makes the main window the active one.
    void focusList();

private:
    void select(int row);

    QTableView &m_list;
    const EntryModel &m_entries;
};
