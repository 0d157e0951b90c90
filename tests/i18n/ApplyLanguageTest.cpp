#include "LanguageTestWindows.h"
#include "i18n/LanguageTable.h"

#include <QFile>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>

using namespace LanguageTest;

namespace
{

QString czech(const char *key)
{
    return QStringLiteral("Překlad %1").arg(QLatin1StringView(key));
}

QString english(const char *key)
{
    return QStringLiteral("Text %1").arg(QLatin1StringView(key));
}

QString blank(const char *)
{
    return {};
}

QByteArray section(const QString &name, const TextOf &text, const QByteArray &skippedKey = {})
{
    QString lines = u'[' + name + QStringLiteral("]\r\n");
    for (const QByteArray &key : languageKeys())
        if (key != skippedKey)
            lines += QLatin1StringView(key) + u'=' + text(key.constData()) + QStringLiteral("\r\n");
    return CodePage::fromUnicode(lines);
}

template <typename T> T *add(QWidget *window, const char *name)
{
    auto *widget = new T(window);
    widget->setObjectName(QLatin1StringView(name));
    return widget;
}

// A window with one target of every kind, listing its rows as the real
// windows do, and the kept texts after them.
class ApplyLanguageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(section(QStringLiteral("čeština"), czech) + section(QStringLiteral("English"), english) +
                   section(QStringLiteral("Partial"), english, "25"));
        window.setObjectName(QStringLiteral("Window"));
        auto *list = add<QTableView>(&window, "Seznam");
        list->setModel(new QStandardItemModel(0, 4, list));
        auto *menu = add<QMenu>(&window, "PopupMenu1");
        QAction *item = menu->addAction(QString());
        item->setObjectName(QStringLiteral("Pidat1"));
        using namespace LanguageTargets;
        rows = {title("30", &window),
                caption("10", add<QPushButton>(&window, "btnZpet")),
                caption("9", add<QLabel>(&window, "Label1")),
                columnTitle("25", list->model(), 3),
                menuItem("26", item),
                groupTitle("46", add<QGroupBox>(&window, "rg_Hex_Format")),
                LanguageTargets::kept("140", &keptTitle)};
        for (LanguageRow &row : LanguageTable::keptRows(kept))
            rows.push_back(std::move(row));
    }

    void apply(const QString &language) { applySection(path, CodePage::fromUnicode(language), rows); }

    void expectTexts(const TextOf &text)
    {
        expectWindowTexts(&window, "Window=30 btnZpet=10 Label1=9 Seznam:3=25 Pidat1=26 rg_Hex_Format=46", text);
        EXPECT_EQ(keptTitle, text("140"));
        const std::pair<const QByteArray *, const char *> keptTexts[] = {
            {&kept.writeBackMessage, "11"}, {&kept.notFoundEnding, "12"},  {&kept.namesUnit, "31"},
            {&kept.lineErrorTitle, "50"},   {&kept.parityError, "51"},     {&kept.breakError, "52"},
            {&kept.framingError, "53"},     {&kept.renumberRefused, "60"}, {&kept.writeBackFailed, "61"},
            {&kept.writtenBack, "62"},      {&kept.deviceSilent, "63"},    {&kept.checkTheLine, "64"},
            {&kept.cancelEndsWait, "65"},   {&kept.receptionKept, "66"},   {&kept.deleteOnDevice, "67"},
            {&kept.noDeviceData, "68"},     {&kept.allFilesFilter, "133"}, {&kept.textFilesFilter, "134"},
            {&kept.notFoundTitle, "138"}};
        for (const auto &[slot, key] : keptTexts)
            EXPECT_EQ(CodePage::toUnicode(*slot), text(key)) << "kept text " << key;
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("WinOrba.lng"));
    QWidget window;
    QString keptTitle;
    KeptTexts kept;
    LanguageRows rows;
};

} // namespace

TEST_F(ApplyLanguageTest, SwitchingReplacesEveryTextOfAHiddenWindowAndEveryKeptText)
{
    apply(QStringLiteral("čeština"));
    expectTexts(czech);
    apply(QStringLiteral("English"));
    expectTexts(english);
}

TEST_F(ApplyLanguageTest, SectionWithoutKey25BlanksOnlyTheFourthColumnTitle)
{
    apply(QStringLiteral("čeština"));
    apply(QStringLiteral("Partial"));
    expectTexts([](const char *key) { return qstrcmp(key, "25") ? english(key) : QString(); });
}

TEST_F(ApplyLanguageTest, UnknownSectionOrFileBlanksEveryTextAndAListedSectionRestoresThem)
{
    apply(QStringLiteral("čeština"));
    apply(QStringLiteral("češtinaa"));
    expectTexts(blank);
    EXPECT_EQ(window.findChild<QGroupBox *>()->title(), QStringLiteral("  "));
    apply(QStringLiteral("čeština"));
    expectTexts(czech);
    path = dir.filePath(QStringLiteral("none.lng"));
    apply(QStringLiteral("čeština"));
    expectTexts(blank);
}

// The language box may change while the texts are assigned; each text is
// looked up under the name the box holds at that moment, in the rows' order.
TEST_F(ApplyLanguageTest, SectionNameIsAskedForBeforeEveryText)
{
    int calls = 0;
    ApplyLanguage(
        ProfileFile(path), [&calls] { return CodePage::fromUnicode(++calls <= 2 ? u"čeština" : u"English"); }, rows);
    EXPECT_EQ(calls, static_cast<int>(rows.size()));
    EXPECT_EQ(shown(&window, QStringLiteral("btnZpet")), czech("10"));
    EXPECT_EQ(shown(&window, QStringLiteral("Label1")), english("9"));
}
