// Applying the language tables to a widget tree: captions and tooltips by
// objectName, each window taking only its own form's entries.
#include "i18n/ui/ApplyLanguageUi.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace quillon::i18n;

Q_DECLARE_METATYPE(quillon::i18n::Language)

namespace {

template <typename T> T* Named(QWidget* parent, const char* name) {
    auto* object = new T(parent);
    object->setObjectName(QLatin1String(name));
    return object;
}

// A small main window with a menu, a frame, buttons, a nation check box,
// the grid, and a setup dialog of its own whose button shares a name with it.
struct MainWindowTree {
    QMainWindow window;
    QMenu* fileMenu = window.menuBar()->addMenu(QStringLiteral("design"));
    QAction* open = fileMenu->addAction(QStringLiteral("design"));
    QAction* insertAfter = fileMenu->addAction(QStringLiteral("design"));
    QWidget* central = new QWidget(&window);
    QGroupBox* frame3 = Named<QGroupBox>(central, "Frame3");
    QPushButton* previous = Named<QPushButton>(central, "Command1");
    QCheckBox* unusedNation = Named<QCheckBox>(frame3, "Check1_31");
    QTableView* grid = Named<QTableView>(central, "MSFlexGrid1");
    QLabel* softAttack = Named<QLabel>(frame3, "Picture3");
    QDialog* setup = Named<QDialog>(&window, "Form3");
    QPushButton* setupConfirm = Named<QPushButton>(setup, "Command1");

    MainWindowTree() {
        fileMenu->setObjectName("mnu_file");
        open->setObjectName("mnu_open");
        insertAfter->setObjectName("mnu_ins_after");
        window.setCentralWidget(central);
        unusedNation->setToolTip(QStringLiteral("a nation from the game"));
        setupConfirm->setText(QStringLiteral("setup design"));
        setupConfirm->setToolTip(QStringLiteral("dialog tip"));
    }
};

} // namespace

class ApplyLanguageUiTest : public QObject {
    Q_OBJECT
private slots:
    void captionsByObjectName_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("fileMenu"); // with the access keys
        QTest::addColumn<QString>("open");
        QTest::newRow("English") << Language::English << "&File"
                                 << "&Open";
        QTest::newRow("German") << Language::German << "&Datei" << QString::fromUtf8("Ö&ffnen");
        QTest::newRow("French") << Language::French << "&Fichier"
                                << "&Ouvrir";
    }
    void captionsByObjectName() {
        QFETCH(Language, language);
        MainWindowTree tree;
        ApplyCaptions(&tree.window, language, "Form1");
        QCOMPARE(tree.window.windowTitle(), EditorName());
        QTEST(tree.fileMenu->title(), "fileMenu");
        QTEST(tree.open->text(), "open");
        QCOMPARE(tree.insertAfter->text(), QStringLiteral("Insert Unit &After"));
        QCOMPARE(tree.frame3->title(), Caption(language, u"Form1", u"Frame3"));
        QCOMPARE(tree.previous->text(), Caption(language, u"Form1", u"Command1"));
        QCOMPARE(tree.unusedNation->text(), Caption(language, u"Form1", u"Check1_31"));
        // The dialog is a window of its own: the main window's Command1 text stays out of it.
        QCOMPARE(tree.setupConfirm->text(), QStringLiteral("setup design"));

        ApplyCaptions(tree.setup, language, "Form3");
        QCOMPARE(tree.setupConfirm->text(), Caption(language, u"Form3", u"Command1"));
        QCOMPARE(tree.setup->windowTitle(), Caption(language, u"Form3", u"Caption"));
        QCOMPARE(tree.previous->text(), Caption(language, u"Form1", u"Command1"));
    }

    void tooltipsSetAndCleared() {
        MainWindowTree tree;
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
    }
};

QTEST_MAIN(ApplyLanguageUiTest)
#include "test_i18n_ui.moc"
