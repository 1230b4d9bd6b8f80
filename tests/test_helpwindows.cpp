// The how-to window (F1) and the About window (Ctrl+F1) that the form view
// keeps for the main window.
#include "formview/ui/AboutWindow.h"
#include "formview/ui/FormView.h"
#include "formview/ui/HowToWindow.h"
#include "i18n/Language.h"
#include "shell/EditorState.h"
#include "support/RecordingDialogs.h"
#include "support/SilentWavePlayer.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace quillon;

namespace {

struct Help {
    EditorState state;
    testing::RecordingDialogs dialogs;
    testing::SilentWavePlayer player;
    FormView form{state, dialogs, player};

    explicit Help(const QString& code) {
        state.LanguageCode = code;
        form.applyLanguage();
    }
    QString aboutText(const char* label) const {
        return form.aboutWindow()->findChild<QLabel*>(QLatin1String(label))->text();
    }
    void clickAbout(const char* button) const {
        form.aboutWindow()->findChild<QPushButton*>(QLatin1String(button))->click();
    }
};

} // namespace

class HelpWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void howToShowsTheLanguagesText_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("English")
            << "uk"
            << "Quillon - How To..."
            << "You can leave this Form open at any time, when running the Editor. This form is "
               "shown by pressing the 'F1' key.";
        QTest::newRow("German") << "deu"
                                << "QuillonWie kann ich..."
                                << QString::fromUtf8(
                                       "Sie können dieses Fenster jederzeit verlassen, wenn Sie "
                                       "den Editor benutzen. Dieses Fenster wird durch Dücken der "
                                       "'F1'-Taste angezeigt.");
        QTest::newRow("French") << "fra"
                                << "Quillon - Comment faire pour..."
                                << QString::fromUtf8(
                                       "Vous pouvez laisser cette Form ouverte à tout moment, "
                                       "quand vous vous servez de l' Editeur. Cette form est "
                                       "affichée quand on presse la touche  'F1'.");
    }
    void howToShowsTheLanguagesText() {
        QFETCH(QString, code);
        QFETCH(QString, title);
        QFETCH(QString, firstLine);
        Help help(code);
        help.form.showHowTo();
        formview::HowToWindow* window = help.form.howTo();
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), title);
        QCOMPARE(window->text()->toPlainText().section(QLatin1Char('\n'), 0, 0), firstLine);
        // OK hides it without discarding it.
        window->okButton()->click();
        QVERIFY(!window->isVisible());
        QCOMPARE(help.form.howTo(), window);
    }

    void aboutOkDiscardsTheWindow() {
        Help help(QStringLiteral("deu"));
        help.form.showAbout();
        QVERIFY(help.form.aboutWindow()->isVisible());
        QCOMPARE(help.form.aboutWindow()->windowTitle(), QString::fromUtf8("Über Quillon"));
        QCOMPARE(help.aboutText("lblDescription"), i18n::AboutDescription(i18n::Language::German));
        help.clickAbout("cmdSysInfo"); // a message only, the window stays
        QCOMPARE(help.dialogs.informed,
                 QStringList{QStringLiteral("System Information Is Unavailable At This Time")});

        help.clickAbout("cmdOK");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!help.form.aboutWindow());

        // Created anew: the texts it has before a language is applied.
        help.form.showAbout();
        QCOMPARE(help.form.aboutWindow()->windowTitle(),
                 QStringLiteral("About ") + i18n::AboutTitle());
        QCOMPARE(help.aboutText("lblDescription"), i18n::InitialAboutDescription());
        help.form.applyLanguage();
        QCOMPARE(help.aboutText("lblDescription"), i18n::AboutDescription(i18n::Language::German));
    }
};

QTEST_MAIN(HelpWindowsTest)
#include "test_helpwindows.moc"
