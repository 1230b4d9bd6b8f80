#include "i18n/Language.h"
#include "i18n/Messages.h"
#include "platform/TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

using namespace quillon::i18n;

Q_DECLARE_METATYPE(quillon::i18n::Language)

namespace {

const QStringList Windows{"Form1", "Form2", "Form3", "Form4", "Form5", "Form6", "frmAbout"};

} // namespace

class LanguageTablesTest : public QObject {
    Q_OBJECT
private slots:
    // Texts are stored in Windows-1252: every byte reads as Qt's own
    // converter reads it, and every character is written as it writes it
    // (a NUL and a loss for one the code page lacks; a pair is one).
    void codePageMatchesQtsConverter() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        QCOMPARE(quillon::platform::fromCp1252(all), QStringDecoder("windows-1252").decode(all));
        QString characters;
        for (char16_t c = 1; c != 0; ++c)
            if (!QChar::isSurrogate(c))
                characters += QChar(c);
        characters += QString::fromUtf8("\U0001F600");
        // Qt's stand-in for a missing character is NUL; ours is '?'.
        QStringEncoder qt("windows-1252", QStringConverter::Flag::ConvertInvalidToNull);
        const QByteArray expected = QByteArray(qt.encode(characters)).replace('\0', '?');
        bool lossless = true;
        QCOMPARE(quillon::platform::toCp1252(characters, &lossless), expected);
        QVERIFY(!lossless && qt.hasError());
        QCOMPARE(quillon::platform::toCp1252(quillon::platform::fromCp1252(all), &lossless), all);
        QVERIFY(lossless);
        QCOMPARE(quillon::platform::toCp1252(QString(QChar(0xD800)), &lossless), QByteArray("?"));
        QVERIFY(!lossless); // a lone surrogate at the end is not silently dropped
    }

    // Texts, a stored language code read and written back, and a column's
    // width in twips and alignment.
    void exactTexts_data() {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        const auto fr = Language::French;
        const auto code = [](const char* stored) {
            return LanguageCode(LanguageFromCode(QString(stored)));
        };
        const auto layout = [](int column, const char* heading) {
            const ColumnLayout layout = ColumnLayoutFor(column, QString::fromUtf8(heading));
            return QString::number(layout.widthTwips) + (layout.leftAligned ? " left" : " right");
        };
        QTest::newRow("French folder message says file")
            << Message(fr, u"MsgCannotFindFolder") << "Impossible de trouver le fichier: ";
        QTest::newRow("French accents") << Caption(fr, u"Form1", u"Frame15")
                                        << QString::fromUtf8("Description détaillée de l'unité");
        QTest::newRow("French tooltip typo")
            << Tooltip(fr, u"Form1", u"Combo2") << QString::fromUtf8("Fixezl'Aptitude Spéciale #2");
        QTest::newRow("German heading")
            << ColumnHeadings(Language::German, {}).at(14) << QString::fromUtf8("Bombergrösse");
        QTest::newRow("unknown code") << code("es") << "uk";
        QTest::newRow("code not trimmed") << code(" deu") << "uk";
        QTest::newRow("ten characters") << layout(5, "Ten chars.") << "1050 right";
        QTest::newRow("unit name, long") << layout(1, "Nom de l'unité, plus long") << "1800 left";
    }
    void exactTexts() {
        QFETCH(QString, actual);
        QTEST(actual, "expected");
    }

    // Every text of a language present and storable, nation headings 34-65
    // from the game's list, the About description and the how-to text with
    // the same breaks as in English.
    void everyLanguage_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("heading65");
        QTest::addColumn<QString>("aboutPart");
        QTest::addColumn<QString>("aboutEnding");
        QTest::newRow("English") << Language::English << "Unused"
                                 << "back to the Quillon.  You can also"
                                 << "as well as the '..\\GAME\\BNK\\' folder.";
        QTest::newRow("German") << Language::German << "U2"
                                << QString::fromUtf8("wieder in Quillon einfügen.")
                                << "und '..\\GAME\\BNK\\'.";
        QTest::newRow("French") << Language::French << "Nation 31"
                                << "vers Quillon.  Plus simplement"
                                << "dans le dossier '..\\GAME\\BNK\\' .";
    }
    void everyLanguage() {
        QFETCH(Language, language);
        QFETCH(QString, aboutPart);
        QFETCH(QString, aboutEnding);
        QStringList nations;
        for (int i = 0; i < 51; ++i)
            nations.append(QStringLiteral("Nation %1").arg(i));
        const QStringList headings = ColumnHeadings(language, nations);
        QMap<QString, QString> texts{{"HowToText", HowToText(language)},
                                     {"AboutDescription", AboutDescription(language)},
                                     {"InitialAboutDescription", InitialAboutDescription()},
                                     {"Disclaimer", Disclaimer()}};
        for (const QString& window : Windows) {
            for (const QString& control : CaptionControls(window))
                texts[window + '/' + control] = Caption(language, window, control);
            for (const QString& control : TooltipControls(window))
                texts["tooltip " + window + '/' + control] = Tooltip(language, window, control);
        }
        for (const QString& name : MessageNames())
            texts[name] = Message(language, name);
        for (int column = 0; column < headings.size(); ++column)
            texts[QStringLiteral("heading %1").arg(column)] = headings[column];
        for (const auto& [key, text] : texts.asKeyValueRange()) {
            bool lossless = false;
            quillon::platform::toCp1252(text, &lossless);
            QVERIFY2(!text.isEmpty() && lossless,
                     qPrintable("missing or not Windows-1252: " + key));
        }
        QVERIFY(Tooltip(language, u"Form5", u"Command1").isEmpty());

        QCOMPARE(headings.size(), 74);
        QCOMPARE(headings.mid(34, 31), nations.mid(0, 31));
        QTEST(headings[65], "heading65");
        // Before the game's list is read the nation columns are simply empty.
        QCOMPARE(ColumnHeadings(language, nations.mid(0, 3)).mid(36, 2),
                 (QStringList{"Nation 2", ""}));

        const QString about = AboutDescription(language);
        QVERIFY2(about.contains(aboutPart) && about.endsWith(aboutEnding), qPrintable(about));
        QCOMPARE(about.count("Quillon"), 2);
        QCOMPARE(Caption(language, u"frmAbout", u"lblDescription"), about);
        QVERIFY(about != InitialAboutDescription());
        QVERIFY(InitialAboutDescription().contains(QLatin1StringView("..\\GAME\\DATA\\")));

        const QStringList lines = HowToText(language).split("\r\n");
        QCOMPARE(lines.size() - lines.count(QString()), 62);
        QCOMPARE(lines.count(QString()), 22); // lines that follow after an empty line
        const QStringList english = HowToText(Language::English).split("\r\n");
        for (qsizetype i = 0; i < lines.size(); ++i)
            QCOMPARE(lines[i].isEmpty(), english.value(i).isEmpty());
    }
};

QTEST_GUILESS_MAIN(LanguageTablesTest)
#include "test_i18n.moc"
