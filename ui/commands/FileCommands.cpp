#include "FileCommands.h"

#include "SessionFileName.h"
#include "TemporarySessionFile.h"
#include "model/SessionFile.h"

namespace cashvane {

namespace {

const QString kFilter = QString::fromLatin1(kSessionFilter);

bool confirm(Prompts& prompts, const QString& question, Buttons buttons)
{
    const QString text = question + QStringLiteral("\nAll unsaved data will be lost.");
    return prompts.message(Tone::Question, QStringLiteral("Confirm"), text, buttons) == Answer::Yes;
}

// Only Yes goes on; No, and Cancel where it is offered, keep everything.
bool mayDiscardChanges(
    Prompts& prompts, const Profile& profile, const QString& question, Buttons buttons)
{
    return profile.profileSaved || confirm(prompts, question, buttons);
}

QString askProfileName(Prompts& prompts)
{
    return prompts.inputText(QStringLiteral("Profile Name"),
        QStringLiteral("Enter a New Profile Name. For example.. \"Sam Reyes\"."), QString());
}

void showFailure(Prompts& prompts, const SessionResult& result)
{
    prompts.message(Tone::Error, QStringLiteral("Error"), result.message(), Buttons::Ok);
}

bool saveAndConfirm(Prompts& prompts, Profile& profile, const QString& target)
{
    const SessionResult result = saveSession(profile, target);
    if (!result.ok) {
        showFailure(prompts, result);
        return false;
    }
    prompts.message(Tone::Information, QStringLiteral("Message"),
        QStringLiteral("Session Saved.\n") + profile.sessionPath, Buttons::Ok);
    return true;
}

QString askWhereToSave(Prompts& prompts, const QString& initialPath)
{
    return prompts.saveFileName(QStringLiteral("Save Session As.."), initialPath, kFilter);
}

QString unboundInitialPath(const Profile& profile, const QString& homeDir)
{
    return inFolder(homeDir, proposedFileName(profile.profileName));
}

bool isBound(const Profile& profile)
{
    return !profile.sessionPath.isEmpty();
}

NextStep leave(const Profile& profile, const QString& homeDir)
{
    // A file that cannot be written only costs the next start its reopening.
    if (isBound(profile))
        writeTemporarySessionFile(homeDir, profile.sessionPath);
    return NextStep::Quit;
}

const QString kExitQuestion = QStringLiteral("Are you sure you want to exit the program?");

} // namespace

NextStep newProfile(Prompts& prompts, Profile& profile)
{
    if (!mayDiscardChanges(prompts, profile,
            QStringLiteral("Are you sure you want to create a new profile?"), Buttons::YesNoCancel))
        return NextStep::Stay;
    resetProfile(profile);
    profile.profileName = askProfileName(prompts);
    return NextStep::ProfileReplaced;
}

NextStep openSession(Prompts& prompts, Profile& profile, const QString& homeDir)
{
    if (!mayDiscardChanges(prompts, profile,
            QStringLiteral("Are you sure you want to open a new profile?"), Buttons::YesNoCancel))
        return NextStep::Stay;
    const QString path = prompts.openFileName(
        QStringLiteral("Open Session..."), inFolder(homeDir, QStringLiteral("*.cfp")), kFilter);
    if (path.isEmpty())
        return NextStep::Stay;
    const SessionResult result = loadSession(profile, path);
    if (!result.ok) {
        showFailure(prompts, result);
        return NextStep::Stay;
    }
    return NextStep::ProfileReplaced;
}

NextStep saveCurrentSession(Prompts& prompts, Profile& profile, const QString& homeDir)
{
    if (isBound(profile)) {
        saveAndConfirm(prompts, profile, profile.sessionPath);
        return NextStep::Stay;
    }
    NextStep next = NextStep::Stay;
    if (profile.profileName.isEmpty()) {
        profile.profileName = askProfileName(prompts);
        next = NextStep::ShowProfileName;
    }
    const QString target = askWhereToSave(prompts, unboundInitialPath(profile, homeDir));
    if (!target.isEmpty())
        saveAndConfirm(prompts, profile, target);
    return next;
}

NextStep saveSessionAs(Prompts& prompts, Profile& profile, const QString& homeDir)
{
    const QString initial
        = isBound(profile) ? profile.sessionPath : unboundInitialPath(profile, homeDir);
    const QString target = askWhereToSave(prompts, trimBlanks(initial));
    if (!target.isEmpty())
        saveAndConfirm(prompts, profile, target);
    return NextStep::Stay;
}

NextStep exitProgram(Prompts& prompts, const Profile& profile, const QString& homeDir)
{
    if (!mayDiscardChanges(prompts, profile, kExitQuestion, Buttons::YesNo))
        return NextStep::Stay;
    return leave(profile, homeDir);
}

NextStep closeMainWindow(Prompts& prompts, Profile& profile, const QString& homeDir)
{
    if (!isBound(profile))
        return exitProgram(prompts, profile, homeDir);
    if (!profile.profileSaved) {
        const SessionResult result = saveSession(profile, profile.sessionPath);
        if (!result.ok) {
            showFailure(prompts, result);
            return NextStep::Stay;
        }
    }
    return leave(profile, homeDir);
}

} // namespace cashvane
