#include "window/aboutbox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/ui/multilang.h"
#include "window/dialogresources.h"

namespace hm {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    InitDialogResources();
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(QStringLiteral("About Heddlemark"));
    setModal(true);

    auto* product = new QLabel(QStringLiteral("Heddlemark CD"), this);
    product->setObjectName(QStringLiteral("ProductName"));
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    product->setFont(big);

    auto* version = new QLabel(this);
    version->setObjectName(QStringLiteral("VersionLabel"));
    version->setText(QStringLiteral("Version ") + QStringLiteral(HM_VERSION));

    auto* comments = new QLabel(
        QStringLiteral("Drafts for complex looms: a pattern harness over two ground shaft groups."),
        this);
    comments->setObjectName(QStringLiteral("Comments"));
    comments->setWordWrap(true);

    auto* copyright =
        new QLabel(QStringLiteral("Copyright \u00A9 the Heddlemark developers"), this);
    copyright->setObjectName(QStringLiteral("Copyright"));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(product);
    layout->addWidget(version);
    layout->addSpacing(8);
    layout->addWidget(comments);
    layout->addWidget(copyright);
    layout->addStretch(1);
    layout->addLayout(buttons);
    setMinimumWidth(360);

    auto* lang = new TMultiLang(this, QStringLiteral("about"));
    auto showVersion = [lang, version] {
        version->setText(lang->Translate(QStringLiteral("@version")) + u' ' +
                         QStringLiteral(HM_VERSION));
    };
    lang->AfterLanguageChanged = showVersion;
    showVersion();
}

} // namespace hm
