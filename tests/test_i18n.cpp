#include "i18n/Language.h"
#include "i18n/Messages.h"
#include "platform/TextCodec.h"

#include <QTest>

using namespace quillon::i18n;

Q_DECLARE_METATYPE(quillon::i18n::Language)

namespace {

const QString Name = QStringLiteral("Quillon");
const QStringList Windows{"Form1", "Form2", "Form3", "Form4", "Form5", "Form6", "frmAbout"};

QStringList Nations(int count) {
    QStringList nations;
    for (int i = 0; i < count; ++i)
        nations.append(QStringLiteral("Nation %1").arg(i));
    return nations;
}

// Every text of a language, keyed so that a failure names the entry.
QList<std::pair<QString, QString>> AllTexts(Language language) {
    QList<std::pair<QString, QString>> texts;
    for (const QString& window : Windows) {
        for (const QString& control : CaptionControls(window))
            texts.append({window + '/' + control, Caption(language, window, control)});
        for (const QString& control : TooltipControls(window))
            texts.append({"tooltip " + window + '/' + control, Tooltip(language, window, control)});
    }
    for (const QString& name : MessageNames())
        texts.append({name, Message(language, name)});
    const QStringList headings = ColumnHeadings(language, Nations(51));
    for (int column = 0; column < headings.size(); ++column)
        texts.append({QStringLiteral("heading %1").arg(column), headings[column]});
    texts.append({"HowToText", HowToText(language)});
    texts.append({"AboutDescription", AboutDescription(language)});
    texts.append({"InitialAboutDescription", InitialAboutDescription()});
    texts.append({"Disclaimer", Disclaimer()});
    return texts;
}

void AddLanguageRows() {
    QTest::newRow("English") << Language::English;
    QTest::newRow("German") << Language::German;
    QTest::newRow("French") << Language::French;
}

} // namespace

class LanguageTablesTest : public QObject {
    Q_OBJECT
private slots:
    void everyEntryHasTextInEveryLanguage_data() {
        QTest::addColumn<Language>("language");
        AddLanguageRows();
    }
    void everyEntryHasTextInEveryLanguage() {
        QFETCH(Language, language);
        const auto texts = AllTexts(language);
        for (const auto& [key, text] : texts) {
            if (text.isEmpty())
                QFAIL(qPrintable("no text for " + key));
            bool lossless = false;
            quillon::platform::toCp1252(text, &lossless);
            if (!lossless)
                QFAIL(qPrintable("not Windows-1252: " + key));
        }
        // Every name the program asks for exists.
        for (const char* name :
             {msg::NoSoundEntry,       msg::CannotFindFile,     msg::InDataFolder,
              msg::InSoundFolder,      msg::GameFolderNotFound, msg::SaveChangesFirst,
              msg::InvalidPicture,     msg::CannotFindFolder,   msg::FolderUnavailable,
              msg::DriveNotResponding, msg::SaveBeforeExit,     msg::IconNumber,
              msg::FileTooShort,       msg::BadUnitCount,       msg::CannotWriteFile,
              msg::SaveNotCompleted,   msg::NoSourceContainer,  msg::NoDescriptionRecords,
              msg::SoundTooShort,      msg::UnitLimitReached,   msg::LastUnitKept})
            QVERIFY2(!Message(language, name).isEmpty(), name);
        QCOMPARE(MessageNames().size(), 21);

        int tooltipControls = 0;
        for (const QString& window : Windows)
            tooltipControls += TooltipControls(window).size();
        QCOMPARE(tooltipControls, 87);
        QVERIFY(Tooltip(language, u"Form5", u"Command1").isEmpty());
        QVERIFY(Tooltip(language, u"Form1", u"Frame3").isEmpty());
    }

    void exactTexts_data() {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        const auto de = Language::German;
        const auto fr = Language::French;
        const auto en = Language::English;
        QTest::newRow("French folder message says file")
            << Message(fr, u"MsgCannotFindFolder") << "Impossible de trouver le fichier: ";
        QTest::newRow("German file message without blank")
            << Message(de, u"MsgCannotFindFile") << "Folgende Datei wurde nicht gefunden:";
        QTest::newRow("double blank") << Message(en, u"MsgSaveChangesFirst")
                                      << "The current equipment file has been changed.  Do you "
                                         "want to save the changes first?";
        QTest::newRow("French no-sound entry") << Message(fr, u"NoSoundEntry") << "None";
        QTest::newRow("two lines, folder appended by caller")
            << Message(en, u"MsgSaveBeforeExit")
            << "The Equipment file has been changed, do you want to save the file before ending "
               "the program?\r\nThe Equipment file will be saved in the following folder: ";
        QTest::newRow("sound folder shares second line")
            << Message(fr, u"MsgInSoundFolder").section("\r\n", 1)
            << Message(fr, u"MsgInDataFolder").section("\r\n", 1);
        QTest::newRow("German umlauts")
            << Message(de, u"MsgInDataFolder").section("\r\n", 1)
            << QString::fromUtf8("Prüfen Sie die Ordnervorgaben für dieses Programm und stellen "
                                 "Sie sicher, daß das Spielverzeichnis korrekt angegeben ist.");
        QTest::newRow("French accents") << Caption(fr, u"Form1", u"Frame15")
                                        << QString::fromUtf8("Description détaillée de l'unité");
        QTest::newRow("nation box 32")
            << Caption(fr, u"Form1", u"Check1_31") << QString::fromUtf8("Inemployé");
        QTest::newRow("toggle with trailing blank")
            << Caption(fr, u"Form1", u"mnu_spread")
            << QString::fromUtf8("&Passer de la vue Spreadsheet à la vue Form ");
        QTest::newRow("fixed design text") << Caption(de, u"Form1", u"Frame17") << "Unit Scroll";
        QTest::newRow("fixed menu text")
            << Caption(fr, u"Form1", u"mnu_ins_before") << "Insert Unit Before";
        QTest::newRow("French tooltip typo")
            << Tooltip(fr, u"Form1", u"Combo2") << QString::fromUtf8("Fixezl'Aptitude Spéciale #2");
        QTest::newRow("shared tooltip row") << Tooltip(de, u"Form1", u"Text23") << "Wert 0 bis 255";
        QTest::newRow("German heading")
            << ColumnHeadings(de, {}).at(14) << QString::fromUtf8("Bombergrösse");
        QTest::newRow("main caption") << Caption(de, u"Form1", u"Caption") << Name;
        QTest::newRow("German how-to caption")
            << Caption(de, u"Form4", u"Caption") << "QuillonWie kann ich...";
        QTest::newRow("English setup caption")
            << Caption(en, u"Form3", u"Caption") << "Quillon - Setup Information.";
        QTest::newRow("French About caption")
            << Caption(fr, u"frmAbout", u"Caption") << "A propos de Quillon";
        QTest::newRow("how-to text box") << Caption(fr, u"Form4", u"Text1") << HowToText(fr);
        QTest::newRow("version") << VersionText() << "Version 2.0.1";
        QTest::newRow("title") << AboutTitle() << Name;
        QTest::newRow("unknown key") << Caption(en, u"Form1", u"NoSuchControl") << QString();
    }
    void exactTexts() {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

    void languageCodes_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("storedBack");
        QTest::newRow("upper-case German") << "DEU" << Language::German << "deu";
        QTest::newRow("mixed-case French") << "Fra" << Language::French << "fra";
        QTest::newRow("unknown code") << "es" << Language::English << "uk";
        QTest::newRow("empty") << "" << Language::English << "uk";
        QTest::newRow("English") << "uk" << Language::English << "uk";
        QTest::newRow("not trimmed") << " deu" << Language::English << "uk";
    }
    void languageCodes() {
        QFETCH(QString, stored);
        QFETCH(Language, language);
        QFETCH(QString, storedBack);
        QCOMPARE(LanguageFromCode(stored), language);
        QCOMPARE(LanguageCode(LanguageFromCode(stored)), storedBack);
    }

    void nationHeadings_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("heading65");
        QTest::newRow("English") << Language::English << "Unused";
        QTest::newRow("German") << Language::German << "U2";
        QTest::newRow("French") << Language::French << "Nation 31";
    }
    void nationHeadings() {
        QFETCH(Language, language);
        QFETCH(QString, heading65);
        const QStringList headings = ColumnHeadings(language, Nations(51));
        QCOMPARE(headings.size(), 74);
        for (int column = 34; column <= 64; ++column)
            QCOMPARE(headings[column], QStringLiteral("Nation %1").arg(column - 34));
        QCOMPARE(headings[65], heading65);
        // Before the game's list is read the nation columns are simply empty.
        const QStringList early = ColumnHeadings(language, Nations(3));
        QCOMPARE(early[36], QStringLiteral("Nation 2"));
        QVERIFY(early[37].isEmpty());
        QCOMPARE(early[65].isEmpty(), language == Language::French);
    }

    void columnLayout_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("left");
        QTest::newRow("ten characters") << 5 << "Ten chars." << 1050 << false;
        QTest::newRow("unit number") << 0 << "Unit No." << 890 << false;
        QTest::newRow("empty nation heading") << 40 << "" << 250 << false;
        QTest::newRow("unit name, short") << 1 << "Unit Name" << 1800 << true;
        QTest::newRow("unit name, long") << 1 << "Nom de l'unité, plus long" << 1800 << true;
    }
    void columnLayout() {
        QFETCH(int, column);
        QFETCH(QString, heading);
        QFETCH(int, width);
        QFETCH(bool, left);
        const ColumnLayout layout = ColumnLayoutFor(column, heading);
        QCOMPARE(layout.widthTwips, width);
        QCOMPARE(layout.leftAligned, left);
    }

    void aboutDescription_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("ending");
        QTest::newRow("English") << Language::English << "from the the Quillon to MS Excel"
                                 << "back to the Quillon.  You can also"
                                 << "as well as the '..\\GAME\\BNK\\' folder.";
        QTest::newRow("German") << Language::German << "Daten von Quillon nach MS-Excel"
                                << QString::fromUtf8("wieder in Quillon einfügen.")
                                << "und '..\\GAME\\BNK\\'.";
        QTest::newRow("French") << Language::French << "depuis le Quillon vers MS Excel"
                                << "vers Quillon.  Plus simplement"
                                << "dans le dossier '..\\GAME\\BNK\\' .";
    }
    void aboutDescription() {
        QFETCH(Language, language);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, ending);
        const QString text = AboutDescription(language);
        QVERIFY2(text.contains(first), qPrintable(text));
        QVERIFY2(text.contains(second), qPrintable(text));
        QCOMPARE(text.count(Name), 2);
        QCOMPARE(Caption(language, u"frmAbout", u"lblDescription"), text);
        QVERIFY2(text.endsWith(ending), qPrintable(text));
        QVERIFY(text != InitialAboutDescription());
    }

    void initialAboutDescriptionNamesFilesAndFolders() {
        const QString text = InitialAboutDescription();
        for (const char* part :
             {"KorEquip.EQP", "KorEquip.TXT", "..\\GAME\\DATA\\", "..\\GAME\\BNK\\"})
            QVERIFY2(text.contains(QLatin1StringView(part)), part);
    }

    void howToText_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("English") << Language::English
                                 << "You can leave this Form open at any time, when running the "
                                    "Editor. This form is shown by pressing the 'F1' key.";
        QTest::newRow("German") << Language::German
                                << QString::fromUtf8("Sie können dieses Fenster jederzeit "
                                                     "verlassen, wenn Sie den Editor benutzen. "
                                                     "Dieses Fenster wird durch Dücken der "
                                                     "'F1'-Taste angezeigt.");
        QTest::newRow("French") << Language::French
                                << QString::fromUtf8(
                                       "Vous pouvez laisser cette Form ouverte à tout "
                                       "moment, quand vous vous servez de l' Editeur. "
                                       "Cette form est affichée quand on presse la "
                                       "touche  'F1'.");
    }
    void howToText() {
        QFETCH(Language, language);
        QFETCH(QString, firstLine);
        const QStringList lines = HowToText(language).split("\r\n");
        QCOMPARE(lines.first(), firstLine);
        QCOMPARE(lines.size() - lines.count(QString()), 48);
        QCOMPARE(lines.count(QString()), 16); // lines that follow after an empty line
        QVERIFY(!HowToText(language).contains('\n' + QString('\n')));
        QVERIFY(!HowToText(language).contains(QLatin1StringView("{EditorName}")));
        // Same breaks in every language.
        const QStringList english = HowToText(Language::English).split("\r\n");
        for (qsizetype i = 0; i < lines.size(); ++i)
            QCOMPARE(lines[i].isEmpty(), english.value(i).isEmpty());
    }
};

QTEST_GUILESS_MAIN(LanguageTablesTest)
#include "test_i18n.moc"
