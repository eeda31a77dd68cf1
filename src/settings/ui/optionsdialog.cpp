#include "settings/ui/optionsdialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "model/draft.h"
#include "settings/localedefaults.h"
#include "settings/messages.h"
#include "settings/settingsstore.h"
#include "settings/ui/multilang.h"

// The dialog's translation table is compiled into the widget library.
static void InitOptionsResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(options_lang);
        return true;
    }();
    (void)done;
}

namespace hm {

namespace {

// The page shown last, kept for the rest of the run.
int lastPage = 0;

QSpinBox* MakeSpin(const char* name, int min, int max, QWidget* parent) {
    auto* s = new QSpinBox(parent);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(min, max);
    return s;
}

QLabel* MakeLabel(const char* name, const QString& text, QWidget* buddy, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setBuddy(buddy);
    return l;
}

QCheckBox* MakeCheck(const char* name, const QString& text, QWidget* parent) {
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

// A group box acting as a radio group: its radio buttons in item order.
QGroupBox* MakeRadioGroup(const char* name, const QString& title,
                          std::initializer_list<std::pair<const char*, QRadioButton**>> items,
                          const QStringList& texts, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(box);
    int i = 0;
    for (const auto& [itemName, slot] : items) {
        auto* r = new QRadioButton(texts.value(i++), box);
        r->setObjectName(QString::fromLatin1(itemName));
        layout->addWidget(r);
        *slot = r;
    }
    return box;
}

QColor ToQColor(uint32_t c) {
    return QColor(ColorRed(c), ColorGreen(c), ColorBlue(c));
}

} // namespace

TPagesDlg::TPagesDlg(Draft& draft, SettingsStore& store, QWidget* parent)
    : QDialog(parent), draft_(draft), store_(store) {
    InitOptionsResources();
    setObjectName(QStringLiteral("TPagesDlg"));
    setWindowTitle(QStringLiteral("Options"));
    setModal(true);

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    pages_->addTab(BuildPatternPage(), QStringLiteral("Pattern"));
    pages_->addTab(BuildLayoutPage(), QStringLiteral("Layout && Style"));
    pages_->addTab(BuildPreferencesPage(), QStringLiteral("Preferences"));
    connect(pages_, &QTabWidget::currentChanged, this, [](int index) { lastPage = index; });

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    connect(ok, &QPushButton::clicked, this, &TPagesDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &TPagesDlg::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addLayout(buttons);

    lang_ = new TMultiLang(this, QStringLiteral("options"));
    lang_->AfterLanguageChanged = [this] { ApplyKeyCaptions(); };
    LoadFields();
}

QWidget* TPagesDlg::BuildPatternPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("PatternPage"));

    endsSpin_ = MakeSpin("EndsSpin", 2, MaxEnds, page);
    picksSpin_ = MakeSpin("PicksSpin", 2, MaxPicks, page);
    epiSpin_ = MakeSpin("EpiSpin", MinDensity(false), MaxDensity, page);
    ppiSpin_ = MakeSpin("PpiSpin", MinDensity(false), MaxDensity, page);
    auto* sizes = new QFormLayout;
    sizes->addRow(MakeLabel("EndsLabel", QStringLiteral("Ends:"), endsSpin_, page), endsSpin_);
    sizes->addRow(MakeLabel("PicksLabel", QStringLiteral("Picks:"), picksSpin_, page), picksSpin_);
    epiLabel_ = MakeLabel("EpiLabel", QStringLiteral("Ends per inch (EPI):"), epiSpin_, page);
    ppiLabel_ = MakeLabel("PpiLabel", QStringLiteral("Picks per inch (PPI):"), ppiSpin_, page);
    sizes->addRow(epiLabel_, epiSpin_);
    sizes->addRow(ppiLabel_, ppiSpin_);

    patternBox_ = new QGroupBox(page);
    patternBox_->setObjectName(QStringLiteral("PatternBox"));
    patternBox_->setCheckable(true);
    patternShaftsSpin_ = MakeSpin("PatternShaftsSpin", 2, MaxPatternShafts, patternBox_);
    patternShaftsLabel_ = MakeLabel("PatternShaftsLabel", {}, patternShaftsSpin_, patternBox_);
    auto* pl = new QFormLayout(patternBox_);
    pl->addRow(patternShaftsLabel_, patternShaftsSpin_);

    auto* groupA = new QGroupBox(page);
    groupA->setObjectName(QStringLiteral("GroupABox"));
    shaftsASpin_ = MakeSpin("ShaftsASpin", 2, MaxShafts, groupA);
    treadlesASpin_ = MakeSpin("TreadlesASpin", 2, MaxTreadles, groupA);
    shaftsALabel_ = MakeLabel("ShaftsALabel", {}, shaftsASpin_, groupA);
    treadlesALabel_ = MakeLabel("TreadlesALabel", {}, treadlesASpin_, groupA);
    auto* al = new QFormLayout(groupA);
    al->addRow(shaftsALabel_, shaftsASpin_);
    al->addRow(treadlesALabel_, treadlesASpin_);

    threadingBBox_ = new QGroupBox(page);
    threadingBBox_->setObjectName(QStringLiteral("ThreadingBBox"));
    threadingBBox_->setCheckable(true);
    shaftsBSpin_ = MakeSpin("ShaftsBSpin", 2, MaxShafts, threadingBBox_);
    shaftsBLabel_ = MakeLabel("ShaftsBLabel", {}, shaftsBSpin_, threadingBBox_);
    auto* bl = new QFormLayout(threadingBBox_);
    bl->addRow(shaftsBLabel_, shaftsBSpin_);

    treadlingBBox_ = new QGroupBox(page);
    treadlingBBox_->setObjectName(QStringLiteral("TreadlingBBox"));
    treadlingBBox_->setCheckable(true);
    treadlesBSpin_ = MakeSpin("TreadlesBSpin", 2, MaxTreadles, treadlingBBox_);
    treadlesBLabel_ = MakeLabel("TreadlesBLabel", {}, treadlesBSpin_, treadlingBBox_);
    auto* tl = new QFormLayout(treadlingBBox_);
    tl->addRow(treadlesBLabel_, treadlesBSpin_);

    auto* shed = MakeRadioGroup("ShedGroup", QStringLiteral("Shed"),
                                {{"RisingButton", &rising_}, {"SinkingButton", &sinking_}},
                                {QStringLiteral("Rising"), QStringLiteral("Sinking")}, page);

    auto* grid = new QGridLayout(page);
    grid->addLayout(sizes, 0, 0);
    grid->addWidget(shed, 0, 1);
    grid->addWidget(patternBox_, 1, 0);
    grid->addWidget(groupA, 1, 1);
    grid->addWidget(threadingBBox_, 2, 0);
    grid->addWidget(treadlingBBox_, 2, 1);
    grid->setRowStretch(3, 1);

    // The shaft and treadle fields of a switched-off component are disabled.
    for (QGroupBox* box : {patternBox_, threadingBBox_, treadlingBBox_})
        connect(box, &QGroupBox::toggled, this, [this] { UpdateEnabling(); });
    return page;
}

QWidget* TPagesDlg::BuildLayoutPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("LayoutPage"));
    auto* compression = MakeRadioGroup(
        "CompressionGroup", QStringLiteral("Fabric Compression"),
        {{"CompressionOnButton", &compressionOn_}, {"CompressionOffButton", &compressionOff_}},
        {QStringLiteral("On"), QStringLiteral("Off")}, page);
    auto* style = MakeRadioGroup("StyleGroup", QStringLiteral("Drawdown Style"),
                                 {{"NormalButton", &style_[0]},
                                  {"GridButton", &style_[1]},
                                  {"ThreadsButton", &style_[2]},
                                  {"OutlinedButton", &style_[3]}},
                                 {QStringLiteral("Normal"), QStringLiteral("Grid"),
                                  QStringLiteral("Threads"), QStringLiteral("Threads Outlined")},
                                 page);
    auto* start = MakeRadioGroup(
        "StartGroup", QStringLiteral("Start Positions"),
        {{"ShaftOneTopButton", &shaftOneTop_}, {"ShaftOneBottomButton", &shaftOneBottom_}},
        {QStringLiteral("Shaft 1 at top / Treadle 1 on the Right"),
         QStringLiteral("Shaft 1 at bottom / Treadle 1 on the Left")},
        page);
    auto* threading =
        MakeRadioGroup("ThreadingStartGroup", QStringLiteral("Threading Start Position"),
                       {{"FromRightButton", &fromRight_}, {"FromLeftButton", &fromLeft_}},
                       {QStringLiteral("From Right"), QStringLiteral("From Left")}, page);
    auto* treadling =
        MakeRadioGroup("TreadlingStartGroup", QStringLiteral("Treadling/Liftplan Start Position"),
                       {{"FromTopButton", &fromTop_}, {"FromBottomButton", &fromBottom_}},
                       {QStringLiteral("From Top"), QStringLiteral("From Bottom")}, page);
    designGridBox_ =
        MakeCheck("DesignGridBox", QStringLiteral("Use Grid Style in Design Mode"), page);

    auto* grid = new QGridLayout(page);
    grid->addWidget(style, 0, 0);
    grid->addWidget(compression, 0, 1);
    grid->addWidget(start, 1, 0, 1, 2);
    grid->addWidget(threading, 2, 0);
    grid->addWidget(treadling, 2, 1);
    grid->addWidget(designGridBox_, 3, 0, 1, 2);
    grid->setRowStretch(4, 1);
    return page;
}

QWidget* TPagesDlg::BuildPreferencesPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("PreferencesPage"));
    auto* unit = MakeRadioGroup("UnitGroup", QStringLiteral("Unit of Measure"),
                                {{"InchesButton", &inches_}, {"CmButton", &cm_}},
                                {QStringLiteral("Inches"), QStringLiteral("Cm")}, page);
    connect(inches_, &QRadioButton::toggled, this, [this] { UnitToggled(); });

    warningsBox_ = MakeCheck("WarningsBox", QStringLiteral("Show all Warning Messages"), page);
    layoutBox_ = MakeCheck("LayoutBox", QStringLiteral("Save Layout Options in hdx-files"), page);
    saveOnExitBox_ = MakeCheck("SaveOnExitBox", QStringLiteral("Save Settings on Exit"), page);
    connect(saveOnExitBox_, &QCheckBox::toggled, this, [this] { UpdateEnabling(); });

    backgroundPanel_ = new QPushButton(page);
    backgroundPanel_->setObjectName(QStringLiteral("BackgroundPanel"));
    backgroundPanel_->setFixedSize(64, 24);
    connect(backgroundPanel_, &QPushButton::clicked, this, &TPagesDlg::ChooseBackground);
    auto* backgroundLabel =
        MakeLabel("BackgroundLabel", QStringLiteral("Background Color"), backgroundPanel_, page);

    saveSettingsButton_ = new QPushButton(QStringLiteral("Save Settings"), page);
    saveSettingsButton_->setObjectName(QStringLiteral("SaveSettingsButton"));
    connect(saveSettingsButton_, &QPushButton::clicked, this, &TPagesDlg::SaveSettingsNow);

    auto* background = new QHBoxLayout;
    background->addWidget(backgroundLabel);
    background->addWidget(backgroundPanel_);
    background->addStretch(1);
    auto* save = new QHBoxLayout;
    save->addWidget(saveOnExitBox_);
    save->addStretch(1);
    save->addWidget(saveSettingsButton_);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(unit);
    layout->addWidget(warningsBox_);
    layout->addLayout(background);
    layout->addWidget(layoutBox_);
    layout->addLayout(save);
    layout->addStretch(1);
    return page;
}

// Captions taken from the complex-drafting terms and the unit-dependent
// density labels; the window's own table does not carry them.
void TPagesDlg::ApplyKeyCaptions() {
    const int language = lang_ ? lang_->ActiveLanguage : CurrentLanguage();
    auto term = [language](const char* key) {
        return DraftingMessages().TranslateIn(QString::fromLatin1(key), language);
    };
    patternBox_->setTitle(term("@monsolv"));
    threadingBBox_->setTitle(term("@skaftgrupp_b"));
    treadlingBBox_->setTitle(term("@trampning_b"));
    patternShaftsLabel_->setText(term("@monskaft") + u':');
    shaftsALabel_->setText(term("@skaft_a") + u':');
    shaftsBLabel_->setText(term("@skaft_b") + u':');
    treadlesALabel_->setText(term("@trampor_a") + u':');
    treadlesBLabel_->setText(term("@trampor_b") + u':');
    ShowDensityLabels(fieldsInches_);
}

void TPagesDlg::ShowDensityLabels(bool inches) {
    auto text = [this](const char* key) {
        const QString k = QString::fromLatin1(key);
        return lang_ && lang_->HasKey(k) ? lang_->Translate(k) : Tr(k);
    };
    epiLabel_->setText(inches ? text("@endsinch") : text("@endscm"));
    ppiLabel_->setText(inches ? text("@picksinch") : text("@pickscm"));
}

void TPagesDlg::UpdateEnabling() {
    // A checkable group box already disables its contents while it is clear;
    // the spin fields follow it explicitly as well so that the rule holds for
    // any way the box is changed.
    patternShaftsSpin_->setEnabled(patternBox_->isChecked());
    shaftsBSpin_->setEnabled(threadingBBox_->isChecked());
    treadlesBSpin_->setEnabled(treadlingBBox_->isChecked());
    saveSettingsButton_->setEnabled(!saveOnExitBox_->isChecked());
}

void TPagesDlg::UnitToggled() {
    const bool toInches = inches_->isChecked();
    if (loading_ || toInches == fieldsInches_) return;
    const int epi = ConvertDensity(epiSpin_->value(), toInches);
    const int ppi = ConvertDensity(ppiSpin_->value(), toInches);
    epiSpin_->setMinimum(MinDensity(toInches));
    ppiSpin_->setMinimum(MinDensity(toInches));
    epiSpin_->setValue(epi);
    ppiSpin_->setValue(ppi);
    fieldsInches_ = toInches;
    ShowDensityLabels(toInches);
}

void TPagesDlg::LoadFields() {
    loading_ = true;
    const SettingsValues& v = store_.values;
    fieldsInches_ = draft_.Inches;
    endsSpin_->setValue(draft_.Ends);
    picksSpin_->setValue(draft_.Picks);
    epiSpin_->setMinimum(MinDensity(fieldsInches_));
    ppiSpin_->setMinimum(MinDensity(fieldsInches_));
    epiSpin_->setValue(draft_.Epi);
    ppiSpin_->setValue(draft_.Ppi);
    patternBox_->setChecked(draft_.PatternThreadingOn);
    patternShaftsSpin_->setValue(draft_.PatternShafts);
    shaftsASpin_->setValue(draft_.ShaftsA);
    treadlesASpin_->setValue(draft_.TreadlesA);
    threadingBBox_->setChecked(draft_.ThreadingBOn);
    shaftsBSpin_->setValue(draft_.ShaftsB);
    treadlingBBox_->setChecked(draft_.TreadlingBOn);
    treadlesBSpin_->setValue(draft_.TreadlesB);
    (draft_.SinkingShed ? sinking_ : rising_)->setChecked(true);

    (draft_.FabricCompression ? compressionOn_ : compressionOff_)->setChecked(true);
    const int style = std::clamp(static_cast<int>(draft_.DrawdownStyle), 1, 4);
    style_[style - 1]->setChecked(true);
    (draft_.ShaftOneAtBottom ? shaftOneBottom_ : shaftOneTop_)->setChecked(true);
    (draft_.ThreadingFromRight ? fromRight_ : fromLeft_)->setChecked(true);
    (draft_.LiftplanFromBottom ? fromBottom_ : fromTop_)->setChecked(true);
    designGridBox_->setChecked(v.DesignGrid);

    (fieldsInches_ ? inches_ : cm_)->setChecked(true);
    warningsBox_->setChecked(!v.ExpertMode);
    layoutBox_->setChecked(v.Lagrpos);
    saveOnExitBox_->setChecked(v.SaveSettings);
    background_ = draft_.BackgroundColor;
    backgroundChanged_ = false;
    ShowBackground();
    loading_ = false;

    applied_ = false;
    pages_->setCurrentIndex(std::clamp(lastPage, 0, pages_->count() - 1));
    UpdateEnabling();
    ApplyKeyCaptions();
}

void TPagesDlg::ApplyFields() {
    Draft& d = draft_;
    d.Ends = std::min(endsSpin_->value(), MaxEnds);
    d.Picks = std::min(picksSpin_->value(), MaxPicks);
    d.Inches = inches_->isChecked();
    d.Epi = std::clamp(epiSpin_->value(), MinDensity(d.Inches), MaxDensity);
    d.Ppi = std::clamp(ppiSpin_->value(), MinDensity(d.Inches), MaxDensity);
    d.PatternThreadingOn = patternBox_->isChecked();
    d.PatternShafts = std::clamp(patternShaftsSpin_->value(), 2, MaxPatternShafts);
    d.LiftplanWidth = d.PatternShafts;
    d.ShaftsA = std::clamp(shaftsASpin_->value(), 2, MaxShafts);
    d.TreadlesA = std::clamp(treadlesASpin_->value(), 2, MaxTreadles);
    d.ThreadingBOn = threadingBBox_->isChecked();
    d.ShaftsB = std::clamp(shaftsBSpin_->value(), 2, MaxShafts);
    d.TreadlingBOn = treadlingBBox_->isChecked();
    d.TreadlesB = std::clamp(treadlesBSpin_->value(), 2, MaxTreadles);
    d.SinkingShed = sinking_->isChecked();
    d.FabricCompression = compressionOn_->isChecked();
    for (int i = 0; i < 4; ++i)
        if (style_[i]->isChecked()) d.DrawdownStyle = static_cast<DrawdownStyleKind>(i + 1);
    d.ShaftOneAtBottom = shaftOneBottom_->isChecked();
    d.ThreadingFromRight = fromRight_->isChecked();
    d.LiftplanFromBottom = fromBottom_->isChecked();
    if (backgroundChanged_) d.BackgroundColor = background_;

    store_.TakeFrom(d);
    SettingsValues& v = store_.values;
    v.DesignGrid = designGridBox_->isChecked();
    v.ExpertMode = !warningsBox_->isChecked();
    v.Lagrpos = layoutBox_->isChecked();
    v.SaveSettings = saveOnExitBox_->isChecked();
    if (v.SaveSettings) store_.TakeSnapshot();
    applied_ = true;
}

void TPagesDlg::SetBackgroundColor(uint32_t color) {
    background_ = color & 0xFFFFFF;
    backgroundChanged_ = true;
    ShowBackground();
}

void TPagesDlg::ShowBackground() {
    const QColor c = ToQColor(background_);
    backgroundPanel_->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; border: 1px solid black; }")
            .arg(c.name()));
}

void TPagesDlg::ChooseBackground() {
    const QColor chosen = QColorDialog::getColor(ToQColor(background_), this, QString(),
                                                 QColorDialog::ColorDialogOptions());
    if (chosen.isValid())
        SetBackgroundColor(MakeColor(chosen.red(), chosen.green(), chosen.blue()));
}

void TPagesDlg::SaveSettingsNow() {
    ApplyFields();
    store_.SaveOptionsNow();
}

int TPagesDlg::LastPage() {
    return lastPage;
}

void TPagesDlg::accept() {
    ApplyFields();
    QDialog::accept();
}

void TPagesDlg::reject() {
    // Fields applied by "Save Settings" stay applied; report them as accepted
    // so that the caller's follow-up keeps the draft consistent.
    if (applied_)
        QDialog::accept();
    else
        QDialog::reject();
}

void TPagesDlg::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) LoadFields();
    QDialog::showEvent(event);
}

} // namespace hm
