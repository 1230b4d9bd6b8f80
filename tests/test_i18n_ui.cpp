#include "i18n/ui/ApplyLanguageUi.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

using namespace quillon::i18n;

Q_DECLARE_METATYPE(quillon::i18n::Language)

namespace {

template <typename T> T* Named(QObject* parent, const QString& name) {
    auto* object = new T(qobject_cast<QWidget*>(parent));
    object->setObjectName(name);
    return object;
}

// A small main window with a menu, frames, buttons, an indexed check box,
// the grid, and a setup dialog of its own whose controls share names with it.
struct MainWindowTree {
    QMainWindow window;
    QMenu* fileMenu = nullptr;
    QAction* open = nullptr;
    QAction* spread = nullptr;
    QAction* insertAfter = nullptr;
    QGroupBox* frame3 = nullptr;
    QPushButton* previous = nullptr;
    QCheckBox* unusedNation = nullptr;
    QTableView* grid = nullptr;
    QLabel* softAttack = nullptr;
    QDialog* setup = nullptr;
    QPushButton* setupConfirm = nullptr;
    QRadioButton* german = nullptr;

    MainWindowTree() {
        fileMenu = window.menuBar()->addMenu(QStringLiteral("design"));
        fileMenu->setObjectName("mnu_file");
        open = fileMenu->addAction(QStringLiteral("design"));
        open->setObjectName("mnu_open");
        QMenu* edit = window.menuBar()->addMenu(QStringLiteral("design"));
        insertAfter = edit->addAction(QStringLiteral("design"));
        insertAfter->setObjectName("mnu_ins_after");
        spread = window.menuBar()->addAction(QStringLiteral("design"));
        spread->setObjectName("mnu_spread");

        auto* central = new QWidget(&window);
        window.setCentralWidget(central);
        frame3 = Named<QGroupBox>(central, "Frame3");
        previous = Named<QPushButton>(central, "Command1");
        unusedNation = Named<QCheckBox>(frame3, "Check1_31");
        unusedNation->setToolTip(QStringLiteral("a nation from the game"));
        grid = Named<QTableView>(central, "MSFlexGrid1");
        softAttack = Named<QLabel>(frame3, "Picture3");

        setup = Named<QDialog>(&window, "Form3");
        setupConfirm = Named<QPushButton>(setup, "Command1");
        setupConfirm->setText(QStringLiteral("setup design"));
        german = Named<QRadioButton>(setup, "Option2");
    }
};

} // namespace

class ApplyLanguageUiTest : public QObject {
    Q_OBJECT
private slots:
    void captionsBySpecificWidgetType_data() {
        QTest::addColumn<Language>("language");
        QTest::newRow("English") << Language::English;
        QTest::newRow("German") << Language::German;
        QTest::newRow("French") << Language::French;
    }
    void captionsBySpecificWidgetType() {
        QFETCH(Language, language);
        MainWindowTree tree;
        ApplyCaptions(&tree.window, language, "Form1");

        QCOMPARE(tree.window.windowTitle(), EditorName());
        QCOMPARE(tree.fileMenu->title(), Caption(language, u"Form1", u"mnu_file"));
        QCOMPARE(tree.open->text(), Caption(language, u"Form1", u"mnu_open"));
        QCOMPARE(tree.spread->text(), Caption(language, u"Form1", u"mnu_spread"));
        QCOMPARE(tree.insertAfter->text(), QStringLiteral("Insert Unit After"));
        QCOMPARE(tree.frame3->title(), Caption(language, u"Form1", u"Frame3"));
        QCOMPARE(tree.previous->text(), Caption(language, u"Form1", u"Command1"));
        QCOMPARE(tree.unusedNation->text(), Caption(language, u"Form1", u"Check1_31"));
        QVERIFY(!tree.frame3->title().isEmpty());
        // The dialog is a window of its own: the main window's Command1 text stays out of it.
        QCOMPARE(tree.setupConfirm->text(), QStringLiteral("setup design"));

        ApplyCaptions(tree.setup, language, "Form3");
        QCOMPARE(tree.setupConfirm->text(), Caption(language, u"Form3", u"Command1"));
        QCOMPARE(tree.german->text(), Caption(language, u"Form3", u"Option2"));
        QCOMPARE(tree.setup->windowTitle(), Caption(language, u"Form3", u"Caption"));
        QCOMPARE(tree.previous->text(), Caption(language, u"Form1", u"Command1"));
    }

    void builtTextsGoIntoTheirBoxes() {
        QWidget howTo;
        auto* text = Named<QPlainTextEdit>(&howTo, "Text1");
        ApplyCaptions(&howTo, Language::German, "Form4");
        QCOMPARE(text->toPlainText(), HowToText(Language::German).replace("\r\n", "\n"));
        QCOMPARE(howTo.windowTitle(), QStringLiteral("QuillonWie kann ich..."));

        QWidget about;
        auto* description = Named<QLabel>(&about, "lblDescription");
        auto* disclaimer = Named<QLabel>(&about, "lblDisclaimer");
        ApplyCaptions(&about, Language::French, "frmAbout");
        QCOMPARE(description->text(), AboutDescription(Language::French));
        QCOMPARE(disclaimer->text(), Disclaimer());
        QCOMPARE(about.windowTitle(), QStringLiteral("A propos de Quillon"));
    }

    void tooltipsSetAndCleared() {
        MainWindowTree tree;
        tree.setupConfirm->setToolTip(QStringLiteral("dialog tip"));
        ApplyTooltips(&tree.window, Language::German, "Form1");
        QCOMPARE(tree.previous->toolTip(), Tooltip(Language::German, u"Form1", u"Command1"));
        QCOMPARE(tree.grid->toolTip(), Tooltip(Language::German, u"Form1", u"MSFlexGrid1"));
        QCOMPARE(tree.softAttack->toolTip(), QStringLiteral("Weicher Angriff"));
        QCOMPARE(tree.setupConfirm->toolTip(), QStringLiteral("dialog tip"));
        QVERIFY(tree.frame3->toolTip().isEmpty());

        ClearTooltips(&tree.window, "Form1");
        QVERIFY(tree.previous->toolTip().isEmpty());
        QVERIFY(tree.grid->toolTip().isEmpty());
        QVERIFY(tree.softAttack->toolTip().isEmpty());
        // Tooltips from the game's lists are not the table's to clear.
        QCOMPARE(tree.unusedNation->toolTip(), QStringLiteral("a nation from the game"));
        QCOMPARE(tree.setupConfirm->toolTip(), QStringLiteral("dialog tip"));

        ApplyTooltips(&tree.window, Language::French, "Form1");
        QCOMPARE(tree.previous->toolTip(), Tooltip(Language::French, u"Form1", u"Command1"));
    }
};

QTEST_MAIN(ApplyLanguageUiTest)
#include "test_i18n_ui.moc"
