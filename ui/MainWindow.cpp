#include "MainWindow.h"

#include "Controls.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>

namespace cashvane {

namespace {

const QString kTitle = QStringLiteral("Orbelin Cashvane v2.0");
const QString kStatusNotice = QStringLiteral("\u00A9 Orbelin Software");
constexpr int kStatusFieldWidth = 144;

} // namespace

MainWindow::MainWindow(const QImage& banner, const QImage& chartPicture, const QString& dateLabel)
    : chartPicture_(chartPicture)
{
    setWindowTitle(kTitle);
    // Minimise and close, but no maximise; the size is fixed.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(kWidth, kHeight);
    buildMenus();
    auto* area = new QWidget(this);
    setCentralWidget(area);
    buildControls(area, banner, dateLabel);
    buildStatusBar();
}

void MainWindow::showCentred()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(kWidth / 2, kHeight / 2));
    show();
}

void MainWindow::showChartPicture()
{
    chartView_->setPixmap(QPixmap::fromImage(chartPicture_));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (closeRequest_ && !closeRequest_())
        event->ignore();
    else
        event->accept();
}

void MainWindow::buildStatusBar()
{
    auto* field = new QLabel(kStatusNotice);
    field->setFixedWidth(kStatusFieldWidth);
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(field);
}

void MainWindow::connectButton(QWidget* page, int id, QRect geometry, const QString& caption)
{
    QPushButton* button = addButton(page, id, geometry, caption);
    connect(button, &QPushButton::clicked, this, [this, id] {
        if (controlEvent_)
            controlEvent_(id);
    });
}

} // namespace cashvane
