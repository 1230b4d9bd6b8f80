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
    // Expected: file menu and Open with their access keys, frame 3, the
    // previous unit button, the last nation box, the setup button and title;
    // then the tooltips of the previous unit button, the grid and the soft
    // attack picture, which ClearTooltips takes away again.
    void captionsAndTooltipsByObjectName_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("captions");     // joined by '|'
        QTest::addColumn<QStringList>("tooltips"); // how they begin
        QTest::newRow("English")
            << Language::English
            << "&File|&Open|Attack Values|Prev. Unit|Unused|Use|Quillon - Setup Information."
            << QStringList{"Previous Unit. To scroll", "LEFT CLICK a cell", "Soft Attack"};
        QTest::newRow("German") << Language::German
                                << QString::fromUtf8("&Datei|Ö&ffnen|Angriffswerte|Vorherige "
                                                     "Einheit|Nicht benutzt|Anwenden|Quillon - "
                                                     "Setup Information.")
                                << QStringList{"Vorherige Einheit. Zum schnellen Vorlauf",
                                               "Mit einem linken Mausklick, gefolgt von",
                                               "Weicher Angriff"};
        QTest::newRow("French")
            << Language::French
            << QString::fromUtf8("&Fichier|&Ouvrir|Valeurs d'attaque|Unité Précédente|Inemployé|"
                                 "Employer|Quillon - Informations d'Installation.")
            << QStringList{QString::fromUtf8("Unité précédente. Pour faire"),
                           "CLIQUEZ DU BOUTON GAUCHE", "Attaque anti-personnelle"};
    }
    void captionsAndTooltipsByObjectName() {
        QFETCH(Language, language);
        QFETCH(QStringList, tooltips);
        MainWindowTree tree;
        ApplyCaptions(&tree.window, language, "Form1");
        QCOMPARE(tree.window.windowTitle(), QString("Quillon"));
        QCOMPARE(tree.insertAfter->text(), QStringLiteral("Insert Unit &After"));
        // The dialog is a window of its own: the main window's Command1 text stays out of it.
        QCOMPARE(tree.setupConfirm->text(), QStringLiteral("setup design"));
        ApplyCaptions(tree.setup, language, "Form3");
        QTEST((QStringList{tree.fileMenu->title(), tree.open->text(), tree.frame3->title(),
                           tree.previous->text(), tree.unusedNation->text(),
                           tree.setupConfirm->text(), tree.setup->windowTitle()})
                  .join(u'|'),
              "captions");

        ApplyTooltips(&tree.window, language, "Form1");
        QVERIFY(tree.previous->toolTip().startsWith(tooltips[0]));
        QVERIFY(tree.grid->toolTip().startsWith(tooltips[1]));
        QCOMPARE(tree.softAttack->toolTip(), tooltips[2]);
        QVERIFY(tree.frame3->toolTip().isEmpty());
        ClearTooltips(&tree.window, "Form1");
        QVERIFY(tree.previous->toolTip().isEmpty());
        QVERIFY(tree.grid->toolTip().isEmpty());
        QVERIFY(tree.softAttack->toolTip().isEmpty());
        // Tooltips from the game's lists, and other windows', are not the table's.
        QCOMPARE(tree.unusedNation->toolTip(), QStringLiteral("a nation from the game"));
        QCOMPARE(tree.setupConfirm->toolTip(), QStringLiteral("dialog tip"));
    }
};

QTEST_MAIN(ApplyLanguageUiTest)
#include "test_i18n_ui.moc"
