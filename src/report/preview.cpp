#include "report/preview.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "common/guard.h"
#include "common/messages.h"
#include "report/output.h"
#include "report/report.h"

namespace orbadil::report {

namespace {

constexpr double kMinZoom = 0.25;
constexpr double kMaxZoom = 4.0;
constexpr double kZoomStep = 1.25;

QString lastFolder;  // where the user saved last, this session

const QStringList& saveFilters() {
    static const QStringList filters{
        QStringLiteral("Texto (*.txt)"), QStringLiteral("HTML (*.html)"),
        QStringLiteral("Valores separados por vírgula (*.csv)"), QStringLiteral("PDF (*.pdf)")};
    return filters;
}

// A name typed without an extension takes the chosen filter's.
QString withSuffix(const QString& path, const QString& filter) {
    if (!QFileInfo(path).suffix().isEmpty()) return path;
    const auto match = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
    return match.hasMatch() ? path + u'.' + match.captured(1) : path;
}

}  // namespace

// Paints the shown page at the preview's zoom; only that page is ever drawn.
class PageView : public QWidget {
  public:
    explicit PageView(const Preview& preview) : preview_(preview) {
        setObjectName(QStringLiteral("pgvPage"));
    }
    QSize pageSize(double zoom) const {
        const QSizeF mm = preview_.document().pageSize();
        return QSize(qRound(mm.width() * logicalDpiX() / 25.4 * zoom),
                     qRound(mm.height() * logicalDpiY() / 25.4 * zoom));
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        preview_.document().paint(painter, preview_.page(), preview_.zoom());
    }

  private:
    const Preview& preview_;
};

Preview::Preview(Document document, QWidget* parent)
    : QDialog(parent), document_(std::move(document)) {
    setObjectName(QStringLiteral("Preview"));
    setWindowTitle(document_.title.isEmpty() ? QStringLiteral("Visualização do relatório")
                                             : document_.title);
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);

    bar_ = new QToolBar(this);
    bar_->setObjectName(QStringLiteral("tlbPreview"));
    bar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const auto icon = [this](QStyle::StandardPixmap pixmap) {
        return style()->standardIcon(pixmap);
    };
    command("actFirstPage", QStringLiteral("Primeira"), {QKeySequence(Qt::CTRL | Qt::Key_Home)},
            [this] { showPage(0); })
        ->setIcon(icon(QStyle::SP_MediaSkipBackward));
    command("actPriorPage", QStringLiteral("Anterior"), {QKeySequence(Qt::Key_PageUp)}, [this] {
        showPage(page_ - 1);
    })->setIcon(icon(QStyle::SP_ArrowLeft));
    pageLabel_ = new QLabel(this);
    pageLabel_->setObjectName(QStringLiteral("lblPage"));
    pageLabel_->setContentsMargins(6, 0, 6, 0);
    bar_->addWidget(pageLabel_);
    command("actNextPage", QStringLiteral("Próxima"), {QKeySequence(Qt::Key_PageDown)}, [this] {
        showPage(page_ + 1);
    })->setIcon(icon(QStyle::SP_ArrowRight));
    command("actLastPage", QStringLiteral("Última"), {QKeySequence(Qt::CTRL | Qt::Key_End)},
            [this] { showPage(document_.pageCount() - 1); })
        ->setIcon(icon(QStyle::SP_MediaSkipForward));
    bar_->addSeparator();
    command("actZoomOut", QStringLiteral("Reduzir"), {QKeySequence::ZoomOut},
            [this] { setZoom(zoom_ / kZoomStep); });
    zoomLabel_ = new QLabel(this);
    zoomLabel_->setObjectName(QStringLiteral("lblZoom"));
    zoomLabel_->setContentsMargins(6, 0, 6, 0);
    bar_->addWidget(zoomLabel_);
    command("actZoomIn", QStringLiteral("Ampliar"),
            {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)},
            [this] { setZoom(zoom_ * kZoomStep); });
    command("actFitWidth", QStringLiteral("Largura da página"), {}, [this] { fitWidth(); });
    command("actZoom100", QStringLiteral("100%"), {}, [this] { setZoom(1); });
    bar_->addSeparator();
    command("actPrint", QStringLiteral("Imprimir..."), {QKeySequence::Print}, [this] {
        print();
    })->setIcon(icon(QStyle::SP_FileDialogDetailedView));
    command("actSave", QStringLiteral("Salvar..."), {QKeySequence::Save}, [this] {
        save();
    })->setIcon(icon(QStyle::SP_DialogSaveButton));
    bar_->addSeparator();
    command("actClose", QStringLiteral("Fechar"), {}, [this] {
        reject();
    })->setIcon(icon(QStyle::SP_DialogCloseButton));

    view_ = new PageView(*this);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("scrPage"));
    scroll_->setBackgroundRole(QPalette::Dark);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setWidget(view_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar_);
    layout->addWidget(scroll_, 1);

    if (const QScreen* shown = screen()) resize(shown->availableSize() * 0.85);
    setZoom(1);
}

QAction* Preview::command(const char* name, const QString& caption, const QList<QKeySequence>& keys,
                          const std::function<void()>& run) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    connect(action, &QAction::triggered, this, run);
    bar_->addAction(action);
    addAction(action);
    return action;
}

void Preview::showPage(int page) {
    page_ = std::clamp(page, 0, std::max(0, document_.pageCount() - 1));
    scroll_->verticalScrollBar()->setValue(0);
    updateState();
}

void Preview::setZoom(double zoom) {
    zoom_ = std::clamp(zoom, kMinZoom, kMaxZoom);
    view_->setFixedSize(view_->pageSize(zoom_));
    updateState();
}

void Preview::fitWidth() {
    // Leaves room for the vertical scroll bar, which a fitted page always needs.
    const int room = scroll_->viewport()->width() - 2 * scroll_->frameWidth() -
                     scroll_->verticalScrollBar()->sizeHint().width();
    setZoom(double(room) / view_->pageSize(1).width());
}

void Preview::updateState() {
    const int count = document_.pageCount();
    pageLabel_->setText(QStringLiteral("Página %1 de %2").arg(count ? page_ + 1 : 0).arg(count));
    zoomLabel_->setText(QStringLiteral("%1%").arg(qRound(zoom_ * 100)));
    const auto enable = [this](const char* name, bool on) {
        findChild<QAction*>(QString::fromLatin1(name))->setEnabled(on);
    };
    enable("actFirstPage", page_ > 0);
    enable("actPriorPage", page_ > 0);
    enable("actNextPage", page_ + 1 < count);
    enable("actLastPage", page_ + 1 < count);
    enable("actZoomIn", zoom_ < kMaxZoom);
    enable("actZoomOut", zoom_ > kMinZoom);
    view_->update();
}

void Preview::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Without a window manager nothing would hand the keyboard to the new window.
    activateWindow();
    if (fitted_) return;
    fitted_ = true;
    fitWidth();
}

bool Preview::saveAs(const QString& path) {
    bool saved = false;
    reportErrors([&] {
        saveDocument(document_, path);
        saved = true;
    });
    return saved;
}

void Preview::save() {
    if (lastFolder.isEmpty())
        lastFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString name = document_.code.isEmpty() ? QStringLiteral("relatorio") : document_.code;
    QString filter = saveFilters().back();
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Salvar relatório"), lastFolder + u'/' + name + QStringLiteral(".pdf"),
        saveFilters().join(QStringLiteral(";;")), &filter);
    if (path.isEmpty()) return;
    lastFolder = QFileInfo(path).absolutePath();
    saveAs(withSuffix(path, filter));
}

void Preview::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(document_.orientation == Orientation::Landscape
                                   ? QPageLayout::Landscape
                                   : QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setDocName(windowTitle());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Imprimir"));
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage);
    dialog.setMinMax(1, std::max(1, document_.pageCount()));
    if (dialog.exec() != QDialog::Accepted) return;
    if (printer.printRange() == QPrinter::CurrentPage) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(page_ + 1, page_ + 1);
    }
    if (!printDocument(document_, printer))
        MessageService::current().error(QStringLiteral("Não foi possível imprimir o relatório."));
}

Document renderWithProgress(const Report& report, RowSource& rows, QWidget* parent) {
    QElapsedTimer clock;
    clock.start();
    qint64 shownAt = -1;
    std::unique_ptr<QProgressDialog> box;
    return report.render(rows, [&](int read) {
        // Only a layout that takes a while shows the box, refreshed now and then.
        if (clock.elapsed() < 500 || clock.elapsed() - shownAt < 100) return;
        if (!box) {
            box = std::make_unique<QProgressDialog>(parent);
            box->setWindowTitle(QStringLiteral("Relatório"));
            box->setCancelButton(nullptr);
            box->setRange(0, 0);
            box->setWindowModality(Qt::WindowModal);
            box->setMinimumDuration(0);
            box->show();
        }
        box->setLabelText(QStringLiteral("Preparando o relatório... %1 registros").arg(read));
        shownAt = clock.elapsed();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
}

Preview* showPreview(Document document, QWidget* parent, bool modal) {
    auto* preview = new Preview(std::move(document), parent);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    if (!modal) {
        preview->show();
        return preview;
    }
    preview->exec();
    return nullptr;
}

Preview* showPreview(const Report& report, RowSource& rows, QWidget* parent, bool modal) {
    return showPreview(renderWithProgress(report, rows, parent), parent, modal);
}

}  // namespace orbadil::report
