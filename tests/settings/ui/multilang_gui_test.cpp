// Relabelling a real window through its translation component.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <memory>

#include "settings/ui/controltranslator.h"
#include "settings/ui/multilang.h"

using namespace hm;

namespace {

LangTable TestTable() {
    return LoadLangTable(QStringLiteral(":/testdata/testwindow.tsv"));
}

// A small dialog with one control of every kind the table names.
class TestWindow : public QDialog {
  public:
    TestWindow() {
        setObjectName("TestDlg");
        auto* layout = new QVBoxLayout(this);
        auto* shed = new QGroupBox(this);
        shed->setObjectName("ShedGroup");
        auto* shedLayout = new QVBoxLayout(shed);
        shedLayout->addWidget(new QRadioButton(shed));
        shedLayout->addWidget(new QRadioButton(shed));
        layout->addWidget(shed);

        style = new QComboBox(this);
        style->setObjectName("StyleBox");
        style->addItems({"1", "2", "3", "4"});
        layout->addWidget(style);

        ok = Make<QPushButton>("OkButton");
        keep = Make<QLabel>("KeepLabel");
        keep->setText("untouched");
        empty = Make<QLabel>("EmptyLabel");
        memo = Make<QPlainTextEdit>("NotesMemo");
        tabs = Make<QTabWidget>("PagesTab");
        for (int i = 0; i < 3; ++i) tabs->addTab(new QWidget, QString::number(i));
        status = Make<QStatusBar>("StatusLine");
        for (int i = 0; i < 3; ++i) status->addWidget(new QLabel("panel"));
        list = Make<QListWidget>("ListBox1");
        list->addItems({"a", "b", "c"});
        edit = Make<QLineEdit>("LineEdit1");
        masked = Make<QLineEdit>("MaskedEdit1");
        masked->setInputMask("00");
        masked->setText("12");

        open = new QFileDialog(this);
        open->setObjectName("OpenDialog");
        open->setOption(QFileDialog::DontUseNativeDialog);
        menu = new QMenu(this);
        menu->setObjectName("FileMenu");
        openItem = menu->addAction("open");
        openItem->setObjectName("FileOpenItem");

        lang = new TMultiLang(this, TestTable()); // last: the controls exist now
    }

    template <class W> W* Make(const char* name) {
        auto* w = new W(this);
        w->setObjectName(name);
        layout()->addWidget(w);
        return w;
    }
    QList<QRadioButton*> Radios() { return findChildren<QRadioButton*>(); }

    QComboBox* style;
    QPushButton* ok;
    QLabel *keep, *empty;
    QPlainTextEdit* memo;
    QTabWidget* tabs;
    QStatusBar* status;
    QListWidget* list;
    QLineEdit *edit, *masked;
    QFileDialog* open;
    QMenu* menu;
    QAction* openItem;
    TMultiLang* lang;
};

class MultiLangGui : public ::testing::Test {
  protected:
    void SetUp() override {
        SetLanguageEverywhere(0);
        TMultiLang::SetErrorHandler([this](const QString& t) { errors << t; });
    }
    void TearDown() override {
        TMultiLang::SetErrorHandler(nullptr);
        SetLanguageEverywhere(0);
    }
    QStringList errors;
};

} // namespace

TEST_F(MultiLangGui, TableReadsCleanly) {
    EXPECT_TRUE(TestTable().ok());
}

TEST_F(MultiLangGui, RelabelsEveryKindOfControl) {
    TestWindow w;
    EXPECT_EQ(w.windowTitle(), "New Pattern");
    EXPECT_EQ(w.findChild<QGroupBox*>("ShedGroup")->title(), "Shed");
    EXPECT_EQ(w.Radios()[1]->text(), "Sinking");
    EXPECT_EQ(w.style->itemText(3), "Threads Outlined");

    w.style->setCurrentIndex(2);
    SetLanguageEverywhere(1);

    EXPECT_EQ(w.windowTitle(), "Neue Patrone");
    EXPECT_EQ(w.findChild<QGroupBox*>("ShedGroup")->title(), "Fach");
    EXPECT_EQ(w.Radios()[0]->text(), "Ketthebung");
    EXPECT_EQ(w.Radios()[1]->text(), "Kettsenkung");
    // The combo box has new item texts and keeps its selection.
    ASSERT_EQ(w.style->count(), 4);
    EXPECT_EQ(w.style->itemText(1), "Raster");
    EXPECT_EQ(w.style->currentIndex(), 2);
    EXPECT_EQ(w.style->currentText(), "Fäden");
    // Caption and hint.
    EXPECT_EQ(w.ok->text(), "OK");
    EXPECT_EQ(w.ok->toolTip(), "Muster übernehmen");
    EXPECT_EQ(w.ok->statusTip(), "Muster übernehmen");
    // The control in the DoNot list is left alone.
    EXPECT_EQ(w.keep->text(), "untouched");
    // Memo lines, tabs (the third beyond the rows is cleared), status panels.
    EXPECT_EQ(w.memo->toPlainText(), "Erste Zeile\nZweite Zeile");
    EXPECT_EQ(w.tabs->tabText(0), "Muster");
    EXPECT_EQ(w.tabs->tabText(1), "Einstellungen");
    EXPECT_EQ(w.tabs->tabText(2), "");
    const QList<QLabel*> panels = StatusPanels(w.status);
    ASSERT_EQ(panels.size(), 3);
    EXPECT_EQ(panels[0]->text(), "Bereit");
    EXPECT_EQ(panels[1]->text(), "Kette");
    EXPECT_EQ(panels[2]->text(), "");
    // A list box gets exactly the rows given.
    ASSERT_EQ(w.list->count(), 1);
    EXPECT_EQ(w.list->item(0)->text(), "Leinwand");
    // File dialog: title and filters.
    EXPECT_EQ(w.open->windowTitle(), "Muster öffnen");
    EXPECT_EQ(w.open->nameFilters(), (QStringList{"Muster (*.hdx *.hdm)", "Alle Dateien (*)"}));
    // Menu and menu item with its hint.
    EXPECT_EQ(w.menu->title(), "&Datei");
    EXPECT_EQ(w.openItem->text(), "Ö&ffnen...");
    EXPECT_EQ(w.openItem->statusTip(), "Ein Muster öffnen");
    // Plain edits take the text, masked edits do not.
    EXPECT_EQ(w.edit->text(), "getippt");
    EXPECT_EQ(w.masked->text(), "12");
    // Free-standing messages of the window.
    EXPECT_EQ(TMultiLang::Of(&w), w.lang);
    EXPECT_EQ(w.lang->Translate("@LOCALMSG"), "Nur hier");
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(MultiLangGui, EmptyEntryWithoutFallbackEmptiesTextButKeepsHint) {
    TestWindow w;
    SetLanguageEverywhere(1);
    EXPECT_EQ(w.empty->text(), "Kettfäden:");
    EXPECT_EQ(w.empty->toolTip(), "Anzahl Kettfäden");
    SetLanguageEverywhere(2); // the Swedish entries are empty
    EXPECT_EQ(w.empty->text(), "");
    EXPECT_EQ(w.empty->toolTip(), "Anzahl Kettfäden");
    EXPECT_EQ(w.windowTitle(), "Nytt mönster");

    // With DefaultEnabled, English shows instead.
    w.lang->DefaultEnabled = true;
    w.lang->SetActiveLanguage(2);
    EXPECT_EQ(w.empty->text(), "Ends:");
    EXPECT_EQ(w.empty->toolTip(), "Number of ends");
}

TEST_F(MultiLangGui, WindowCreatedAfterASwitchOpensInThatLanguage) {
    SetLanguageEverywhere(3);
    TestWindow w;
    EXPECT_EQ(w.lang->ActiveLanguage, 3);
    EXPECT_EQ(w.windowTitle(), "Uusi kuvio");
    EXPECT_EQ(w.style->itemText(3), "Langat ääriviivoin");
    EXPECT_EQ(w.openItem->text(), "&Avaa...");
}

TEST_F(MultiLangGui, OutOfRangeLanguageIsReported) {
    TestWindow w;
    EXPECT_FALSE(w.lang->SetActiveLanguage(4));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0], TBaseMultiLang::TooHighText());
    EXPECT_EQ(w.windowTitle(), "New Pattern");
}

TEST_F(MultiLangGui, ClosedWindowLeavesTheListOfLiveComponents) {
    auto w = std::make_unique<TestWindow>();
    TBaseMultiLang* c = w->lang;
    EXPECT_TRUE(LiveComponents().contains(c));
    w.reset();
    EXPECT_FALSE(LiveComponents().contains(c));
    SetLanguageEverywhere(2); // must not touch the destroyed component
    EXPECT_EQ(CurrentLanguage(), 2);
}

TEST_F(MultiLangGui, DoNotFormKeepsTheCaption) {
    LangTable t = TestTable();
    t.doNot << "%Form%";
    QDialog d;
    d.setWindowTitle("Program title");
    new TMultiLang(&d, t);
    SetLanguageEverywhere(1);
    EXPECT_EQ(d.windowTitle(), "Program title");
}
