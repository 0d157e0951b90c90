#include "LanguageTestWindows.h"
#include "i18n/LanguageTable.h"

#include <QFile>
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

// Every key has a text of its own in each language, so a text that lands on
// the wrong target, or a target left out, shows up in expectLanguageTexts.
class ApplyLanguageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(section(QStringLiteral("čeština"), czech) + section(QStringLiteral("English"), english) +
                   section(QStringLiteral("Partial"), english, "25"));
        main->show();
    }

    void apply(const QString &language) { applySection(path, CodePage::fromUnicode(language), windows(), kept); }
    LanguageWindows windows() const { return {main.get(), edit.get(), print.get(), goTo.get()}; }

    void expectFailureNaming(const char *name)
    {
        try {
            apply(QStringLiteral("English"));
            ADD_FAILURE() << "no failure for " << name;
        } catch (const std::runtime_error &error) {
            EXPECT_NE(std::string(error.what()).find(name), std::string::npos) << error.what();
        }
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("WinOrba.lng"));
    std::unique_ptr<QWidget> main = mainWindow();
    std::unique_ptr<QWidget> edit = editWindow();
    std::unique_ptr<QWidget> print = printWindow();
    std::unique_ptr<QWidget> goTo = goToWindow();
    KeptTexts kept;
};

} // namespace

TEST_F(ApplyLanguageTest, SwitchingReplacesEveryTextInAllWindowsHiddenOnesIncluded)
{
    apply(QStringLiteral("čeština"));
    expectLanguageTexts(windows(), kept, czech);
    apply(QStringLiteral("English"));
    expectLanguageTexts(windows(), kept, english);
}

TEST_F(ApplyLanguageTest, SectionWithoutKey25BlanksOnlyTheFourthColumnTitle)
{
    apply(QStringLiteral("čeština"));
    apply(QStringLiteral("Partial"));
    expectLanguageTexts(windows(), kept, [](const char *key) { return qstrcmp(key, "25") ? english(key) : QString(); });
}

TEST_F(ApplyLanguageTest, UnknownSectionOrFileBlanksEveryTextAndAListedSectionRestoresThem)
{
    apply(QStringLiteral("čeština"));
    apply(QStringLiteral("češtinaa"));
    expectLanguageTexts(windows(), kept, blank);
    EXPECT_EQ(shown(edit.get(), QStringLiteral("rg_Hex_Format")), QStringLiteral("  "));
    apply(QStringLiteral("čeština"));
    expectLanguageTexts(windows(), kept, czech);
    path = dir.filePath(QStringLiteral("none.lng"));
    apply(QStringLiteral("čeština"));
    expectLanguageTexts(windows(), kept, blank);
}

// The language box may change while the texts are assigned; each text is
// looked up under the name the box holds at that moment.
TEST_F(ApplyLanguageTest, SectionNameIsAskedForBeforeEveryText)
{
    int calls = 0;
    ApplyLanguage(
        ProfileFile(path), [&calls] { return CodePage::fromUnicode(++calls <= 10 ? u"čeština" : u"English"); },
        windows(), kept);
    EXPECT_EQ(calls, static_cast<int>(LanguageTable::rows().size()));
    EXPECT_EQ(shown(main.get(), QStringLiteral("btnZpet")), czech("10"));
    EXPECT_EQ(CodePage::toUnicode(kept.writeBackMessage), english("11"));
}

TEST_F(ApplyLanguageTest, TargetThatIsNotWhereItBelongsIsReportedByName)
{
    QMenu *menu = main->findChild<QMenu *>(QStringLiteral("PopupMenu1"));
    menu->removeAction(menu->actions().at(1));
    expectFailureNaming("Pidat1");
    delete main->findChild<QWidget *>(QStringLiteral("btnZpet"));
    expectFailureNaming("btnZpet");
}

// The main window may own the other windows, which have labels named Label1
// too: its own Label1 is never looked for in them.
TEST_F(ApplyLanguageTest, WindowsOwnedByTheMainWindowAreNotSearchedForItsTargets)
{
    for (QWidget *window : {edit.get(), print.get(), goTo.get()})
        window->setParent(main.get(), Qt::Window);
    apply(QStringLiteral("English"));
    expectLanguageTexts(windows(), kept, english);
    delete main->findChild<QLabel *>(QStringLiteral("Label1"), Qt::FindDirectChildrenOnly);
    expectFailureNaming("Label1");
}
