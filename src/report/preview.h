#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "report/document.h"

class QAction;
class QLabel;
class QScrollArea;
class QToolBar;

namespace orbadil::report {

class Report;
class RowSource;
class PageView;

// The preview window: one page at a time, zoom, page navigation, print and save. Captions in
// Portuguese; actions are named (actFirstPage, actPriorPage, actNextPage, actLastPage,
// actZoomIn, actZoomOut, actFitWidth, actZoom100, actPrint, actSave, actClose) and the page
// indicator is lblPage. PgUp/PgDn turn pages, Ctrl++/Ctrl+- zoom, Esc closes.
class Preview : public QDialog {
    Q_OBJECT

  public:
    explicit Preview(Document document, QWidget* parent = nullptr);

    const Document& document() const { return document_; }
    int page() const { return page_; }     // from 0
    double zoom() const { return zoom_; }  // 1 = real size

    void showPage(int page);
    void setZoom(double zoom);
    void fitWidth();
    // Saves by the file's extension; a failure goes to the message service.
    bool saveAs(const QString& path);

  public slots:
    void print();  // through the system's print dialog
    void save();   // through a file dialog

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QAction* command(const char* name, const QString& caption, const QList<QKeySequence>& keys,
                     const std::function<void()>& run);
    void updateState();

    Document document_;
    int page_ = 0;
    double zoom_ = 1;
    bool fitted_ = false;
    QToolBar* bar_;
    QScrollArea* scroll_;
    PageView* view_;
    QLabel* pageLabel_;
    QLabel* zoomLabel_;
};

// Lays the report out, reading the rows once, with a progress box when it takes long.
Document renderWithProgress(const Report& report, RowSource& rows, QWidget* parent);

// A modal preview returns when closed (nullptr); a non-modal one is returned shown and
// deletes itself when closed.
Preview* showPreview(Document document, QWidget* parent, bool modal);
Preview* showPreview(const Report& report, RowSource& rows, QWidget* parent, bool modal);

}  // namespace orbadil::report
