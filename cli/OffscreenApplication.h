#pragma once

#include <QGuiApplication>
#include <QTemporaryDir>

#include <optional>

// Drawing text, for the chart and the report, needs Qt's font database, which
// lives in a QGuiApplication. The offscreen platform gives one without a
// display, and the command-line option takes precedence over
// QT_QPA_PLATFORM. Without a runtime folder Qt warns on standard error, which
// the tool keeps for its one line of failure; a private one for this run
// keeps it quiet.
namespace cashvane::cli {

class OffscreenApplication {
public:
    OffscreenApplication();

private:
    static std::optional<QTemporaryDir> giveRuntimeFolder();

    std::optional<QTemporaryDir> runtimeFolder_;
    char name_[13] = "cashvane-cli";
    char platformOption_[10] = "-platform";
    char platform_[10] = "offscreen";
    char* arguments_[4] = {name_, platformOption_, platform_, nullptr};
    int argumentCount_ = 3;
    QGuiApplication application_;
};

} // namespace cashvane::cli
