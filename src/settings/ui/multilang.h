#pragma once
// The translation component of a window. Create it at the end of the window's
// constructor, once the window's controls exist:
//
//     new hm::TMultiLang(this, "newpattern");   // table ":/lang/newpattern.tsv"
//
// It loads the window's table, joins the process-wide list of live components
// and shows the window in the current language at once. Controls are found by
// their objectName; the component itself is a child of the window named
// "MultiLang1" and lives as long as the window.

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>

#include "settings/basemultilang.h"

class QWidget;

namespace hm {

class TMultiLang : public QObject, public TBaseMultiLang {
    Q_OBJECT
  public:
    TMultiLang(QWidget* owner, const QString& tableName);
    TMultiLang(QWidget* owner, const LangTable& table);
    ~TMultiLang() override;

    QWidget* Owner() const { return owner_; }
    // The component of a window, if it has one.
    static TMultiLang* Of(const QWidget* window);

    // How a language number out of range is reported; by default a message box.
    // Tests replace it.
    static void SetErrorHandler(std::function<void(const QString&)> handler);

  protected:
    QString OwnerFontDescription() const override;
    void SetOwnerCaption(const QString& text) override;
    int TranslateControl(int row) override;
    void ReportError(const QString& text) override;
    void BeginWalk() override;
    void EndWalk() override;

  private:
    void Init(const LangTable& table);

    QPointer<QWidget> owner_;
    QHash<QString, QObject*> controls_; // lower-cased objectName -> control, during a walk
};

} // namespace hm
