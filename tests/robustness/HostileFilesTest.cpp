#include "engine/report/QuickReport.h"
#include "engine/report/RtfReader.h"
#include "model/SessionFile.h"
#include "model/SessionWriter.h"
#include "tests/model/SessionBytes.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <deque>
#include <string>
#include <type_traits>
#include <functional>
#include <vector>

#include <unistd.h>

// Damaged and hostile files, each named in a table with what opening it must
// give. The committed ones are made by make_corpus.py beside this file, which
// tells how each came about; the ones that cannot sensibly be committed (a
// huge file, a folder, links, a file that cannot be read) are made here.
namespace cashvane {
namespace {

const QString kCorpus = QStringLiteral(CASHVANE_ROBUST_CORPUS);

QString corpusFile(const char* name)
{
    return kCorpus + u'/' + QString::fromUtf8(name);
}

float floatFromBits(std::uint32_t bits)
{
    return std::bit_cast<float>(bits);
}

// The profile make_corpus.py writes whole into base.cfp.
Profile baseProfile()
{
    Profile profile;
    profile.profileName = QStringLiteral("Home");
    RecurringEntry wages;
    wages.title = QStringLiteral("Wages");
    wages.customTitle = QStringLiteral("Job");
    wages.useCustom = 1;
    wages.frequency = FrequencyCode::Monthly;
    wages.startDay = 15;
    wages.startMonth = 2;
    wages.startYear = 2020;
    wages.bankIndex = -1;
    wages.paidInCash = 1;
    wages.amount = 1234.5f;
    wages.endDay = 31;
    wages.endMonth = 12;
    wages.endYear = 2030;
    profile.incomes.append(wages);
    RecurringEntry rent;
    rent.title = QStringLiteral("Rent");
    rent.frequency = FrequencyCode::Monthly;
    rent.startDay = 5;
    rent.startMonth = 1;
    rent.startYear = 2021;
    rent.noEndDate = 1;
    rent.bankIndex = 1;
    rent.amount = 600.25f;
    profile.expenses.append(rent);
    profile.accounts.append({QStringLiteral("Main"), 2, QStringLiteral("Big Bank"), 100.5f, 50.0f});
    profile.history.entry(1) = {QStringLiteral("01/03/2024"), QStringLiteral("Added income: Wages")};
    profile.history.entry(2) = {QStringLiteral("02/03/2024"), QStringLiteral("Deposit: 10.00->Main")};
    return profile;
}

// A profile named `name` with as many empty records as the counts say: what
// a file cut short after its counts reads as.
Profile emptyRecords(const char* name, int incomes, int expenses, int accounts)
{
    Profile profile;
    profile.profileName = QString::fromUtf8(name);
    for (int k = 0; k < incomes; ++k)
        profile.incomes.append({});
    for (int k = 0; k < expenses; ++k)
        profile.expenses.append({});
    for (int k = 0; k < accounts; ++k)
        profile.accounts.append({});
    return profile;
}

// A file cut inside the income entry: the name, the counts 1/1/1, the income
// as far as `fill` sets it, and an empty expense and account.
Profile cutInIncome(const std::function<void(RecurringEntry&)>& fill)
{
    Profile profile = emptyRecords("Home", 1, 1, 1);
    RecurringEntry& income = profile.incomes.record(1);
    income.title = QStringLiteral("Wages");
    income.customTitle = QStringLiteral("Job");
    fill(income);
    return profile;
}

// The base profile from the account on, as `fill` leaves it.
Profile cutInAccount(const std::function<void(BankAccount&)>& fill)
{
    Profile profile = baseProfile();
    profile.history = {};
    BankAccount account;
    fill(account);
    profile.accounts.overwrite(1, account);
    return profile;
}

struct SessionCase {
    const char* file;
    // The profile the file loads as; none when it must be refused.
    std::function<std::optional<Profile>()> expected;
    const char* reasonWord = ""; // a word the refusal gives
};

std::optional<Profile> refused()
{
    return std::nullopt;
}

// The numbers of an entry in file order, each read and written as its four
// bytes, with how many of those bytes the corpus file cut inside it keeps.
struct EntryNumber {
    const char* name;
    std::uint32_t (*bits)(const RecurringEntry&);
    void (*setBits)(RecurringEntry&, std::uint32_t);
    int bytesKept = 1;
};

template <auto member>
constexpr EntryNumber entryNumber(const char* name, int bytesKept = 1)
{
    using Value = std::remove_cvref_t<decltype(std::declval<RecurringEntry>().*member)>;
    return {name, [](const RecurringEntry& e) { return std::bit_cast<std::uint32_t>(e.*member); },
            [](RecurringEntry& e, std::uint32_t b) { e.*member = std::bit_cast<Value>(b); }, bytesKept};
}

const EntryNumber kEntryNumbers[] = {
    entryNumber<&RecurringEntry::useCustom>("useCustom"),
    entryNumber<&RecurringEntry::frequency>("frequency"),
    entryNumber<&RecurringEntry::startDay>("startDay"),
    entryNumber<&RecurringEntry::startMonth>("startMonth"),
    entryNumber<&RecurringEntry::startYear>("startYear"),
    entryNumber<&RecurringEntry::noEndDate>("noEndDate"),
    entryNumber<&RecurringEntry::bankIndex>("bankIndex"),
    entryNumber<&RecurringEntry::paidInCash>("paidInCash"),
    entryNumber<&RecurringEntry::amount>("amount", 3),
    entryNumber<&RecurringEntry::endDay>("endDay"),
    entryNumber<&RecurringEntry::endMonth>("endMonth"),
    entryNumber<&RecurringEntry::endYear>("endYear"),
};

// A file cut inside number `cut` of the income: the numbers before it are
// whole, the bytes left of it are its low-order bytes (the low byte of -1
// is 255, not -1), and the numbers after it are 0.
Profile cutInIncomeNumber(std::size_t cut)
{
    const RecurringEntry whole = baseProfile().incomes.record(1);
    return cutInIncome([&](RecurringEntry& e) {
        for (std::size_t k = 0; k < cut; ++k)
            kEntryNumbers[k].setBits(e, kEntryNumbers[k].bits(whole));
        const auto kept = static_cast<std::uint32_t>((std::uint64_t{1} << (8 * kEntryNumbers[cut].bytesKept)) - 1);
        kEntryNumbers[cut].setBits(e, kEntryNumbers[cut].bits(whole) & kept);
    });
}

std::vector<SessionCase> cutInIncomeNumberCases()
{
    static std::deque<std::string> names; // the table keeps pointers to them
    std::vector<SessionCase> cases;
    for (std::size_t k = 0; k < std::size(kEntryNumbers); ++k) {
        names.push_back(std::string("cut-in-entry-") + kEntryNumbers[k].name + ".cfp");
        cases.push_back({names.back().c_str(), [k] { return std::optional(cutInIncomeNumber(k)); }});
    }
    return cases;
}

std::vector<SessionCase> fixedSessionCases()
{
    return {
        {"empty.cfp", [] { return std::optional(Profile{}); }},
        {"base.cfp", [] { return std::optional(baseProfile()); }},
        {"base with spaces.cfp", [] { return std::optional(baseProfile()); }},
        {"Kassenbuch Grüße €.cfp", [] { return std::optional(baseProfile()); }},
        {"trailing-garbage.cfp", [] { return std::optional(baseProfile()); }},
        {"nul-ends-name.cfp", [] { return std::optional(baseProfile()); }},

        {"cut-in-name.cfp", [] { return std::optional(emptyRecords("Ho", 0, 0, 0)); }},
        {"cut-after-name.cfp", [] { return std::optional(emptyRecords("Home", 0, 0, 0)); }},
        {"cut-in-income-count.cfp", [] { return std::optional(emptyRecords("Home", 1, 0, 0)); }},
        {"cut-in-expense-count.cfp", [] { return std::optional(emptyRecords("Home", 1, 1, 0)); }},
        {"cut-in-bank-count.cfp", [] { return std::optional(emptyRecords("Home", 1, 1, 1)); }},
        {"cut-in-entry-title.cfp", [] {
             return std::optional(cutInIncome([](RecurringEntry& e) {
                 e.title = QStringLiteral("Wa");
                 e.customTitle.clear();
             }));
         }},
        {"cut-in-entry-custom-title.cfp",
         [] { return std::optional(cutInIncome([](RecurringEntry& e) { e.customTitle = QStringLiteral("Jo"); })); }},
        {"cut-in-expense-numbers.cfp", [] {
             Profile profile = emptyRecords("Home", 1, 1, 1);
             profile.incomes.overwrite(1, baseProfile().incomes.record(1));
             RecurringEntry rent;
             rent.title = QStringLiteral("Rent");
             rent.frequency = FrequencyCode::Monthly;
             rent.startDay = 5;
             profile.expenses.overwrite(1, rent);
             return std::optional(profile);
         }},
        {"cut-in-account-name.cfp",
         [] { return std::optional(cutInAccount([](BankAccount& a) { a.accountName = QStringLiteral("Ma"); })); }},
        {"cut-in-account-type.cfp", [] {
             return std::optional(cutInAccount([](BankAccount& a) {
                 a.accountName = QStringLiteral("Main");
                 a.accountType = 2;
             }));
         }},
        {"cut-in-account-bank-name.cfp", [] {
             return std::optional(cutInAccount([](BankAccount& a) {
                 a.accountName = QStringLiteral("Main");
                 a.accountType = 2;
                 a.bankName = QStringLiteral("Big");
             }));
         }},
        {"cut-in-account-balance.cfp", [] {
             return std::optional(cutInAccount([](BankAccount& a) {
                 a = baseProfile().accounts.record(1);
                 a.balance = floatFromBits(0x00C90000); // three low bytes of 100.5
                 a.overdraftLimit = 0.0f;
             }));
         }},
        {"cut-in-account-overdraft.cfp", [] {
             return std::optional(cutInAccount([](BankAccount& a) {
                 a = baseProfile().accounts.record(1);
                 a.overdraftLimit = 0.0f; // the two low bytes of 50.0 are zero
             }));
         }},
        {"cut-in-history-date.cfp", [] {
             Profile profile = baseProfile();
             profile.history = {};
             profile.history.entry(1).dateText = QStringLiteral("01/03");
             return std::optional(profile);
         }},
        {"cut-in-history-action.cfp", [] {
             Profile profile = baseProfile();
             profile.history.entry(1).actionText = QStringLiteral("Added");
             profile.history.entry(2) = {};
             return std::optional(profile);
         }},
        {"cut-between-history-pairs.cfp", [] {
             Profile profile = baseProfile();
             profile.history.entry(2) = {};
             return std::optional(profile);
         }},

        {"count-101-incomes.cfp", refused, "101"},
        {"count-minus-1-expenses.cfp", refused, "-1"},
        {"count-2147483647-accounts.cfp", refused, "2147483647"},
        {"count-100-each-cut.cfp", [] { return std::optional(emptyRecords("Full", 100, 100, 100)); }},

        {"lone-lf-and-cr.cfp", [] {
             Profile profile = emptyRecords("Home", 0, 0, 1);
             profile.accounts.overwrite(1, {QStringLiteral("Main"), 3, {}, 0.0f, 0.0f});
             return std::optional(profile);
         }},
        // The LF of the count 10 goes with the lone CR before it; the bank
        // count then starts at the first history CR: 0x0D000000.
        {"cr-eats-count-byte.cfp", refused, "218103808"},
        {"windows-1252-name.cfp",
         [] { return std::optional(emptyRecords("Café €", 0, 0, 0)); }},
        // An empty name, then the count reads CR LF 0 0: 2573.
        {"cr-lf-in-the-middle.cfp", refused, "2573"},
        {"only-line-ends.cfp", refused, "profile holds"},
        {"random-bytes.cfp", refused, "profile holds"},
        // RTF holds no line break, so the whole of it is the name.
        {"report.rtf.cfp", [] {
             Profile profile;
             profile.profileName = QString::fromLatin1(test::readBytes(corpusFile("template-ok.rtf")));
             return std::optional(profile);
         }},
    };
}

const std::vector<SessionCase>& sessionCases()
{
    static const std::vector<SessionCase> cases = [] {
        std::vector<SessionCase> rows = fixedSessionCases();
        const std::vector<SessionCase> numbers = cutInIncomeNumberCases();
        rows.insert(rows.end(), numbers.begin(), numbers.end());
        return rows;
    }();
    return cases;
}

// The profile open before each attempt: changed since it was saved, bound to
// a file of its own.
Profile openProfile()
{
    Profile profile = test::richProfile();
    profile.sessionPath = QStringLiteral("/somewhere/open budget.cfp");
    profile.profileSaved = false;
    return profile;
}

// Opens `path` over the open profile and checks the outcome: the expected
// profile bound to the file, or a refusal naming the file that leaves the open
// profile exactly as it was.
void expectLoad(const QString& path, const std::optional<Profile>& expected, const char* reasonWord)
{
    Profile profile = openProfile();
    const SessionResult result = loadSession(profile, path);
    if (expected) {
        ASSERT_TRUE(result.ok) << result.message().toStdString();
        Profile wanted = *expected;
        wanted.sessionPath = path;
        wanted.profileSaved = true;
        EXPECT_EQ(profile.profileName, wanted.profileName);
        EXPECT_EQ(profile.incomeCount(), wanted.incomeCount());
        EXPECT_EQ(profile.expenseCount(), wanted.expenseCount());
        EXPECT_EQ(profile.bankCount(), wanted.bankCount());
        EXPECT_TRUE(profile.incomes == wanted.incomes) << "the income entries differ";
        EXPECT_TRUE(profile.expenses == wanted.expenses) << "the expense entries differ";
        EXPECT_TRUE(profile.accounts == wanted.accounts) << "the accounts differ";
        EXPECT_TRUE(profile.history == wanted.history) << "the history differs";
        EXPECT_TRUE(profile == wanted);
    } else {
        ASSERT_FALSE(result.ok) << "loaded a file that must be refused";
        const QString message = result.message();
        EXPECT_TRUE(message.contains(path)) << message.toStdString();
        EXPECT_TRUE(message.contains(QString::fromUtf8(reasonWord))) << message.toStdString();
        EXPECT_TRUE(profile == openProfile()) << "the open profile was changed";
    }
}

TEST(HostileSessionFiles, eachCorpusFileLoadsAsTheReadingRulesSayOrIsRefused)
{
    for (const SessionCase& c : sessionCases()) {
        SCOPED_TRACE(c.file);
        expectLoad(corpusFile(c.file), c.expected(), c.reasonWord);
    }
}

TEST(HostileSessionFiles, everyCommittedSessionFileHasItsRowInTheTable)
{
    QStringList names = QDir(kCorpus).entryList({QStringLiteral("*.cfp")}, QDir::Files);
    names.removeAll(QStringLiteral("random-history.cfp")); // its own test below
    for (const SessionCase& c : sessionCases())
        names.removeAll(QString::fromUtf8(c.file));
    EXPECT_TRUE(names.isEmpty()) << "no expected outcome for " << names.join(u' ').toStdString();
}

TEST(HostileSessionFiles, randomBytesAfterAValidHeaderLoadAndSurviveASave)
{
    // Which texts the noise makes is not worth stating byte by byte; that it
    // loads with its header and saves and loads back unchanged is.
    Profile profile = openProfile();
    ASSERT_TRUE(loadSession(profile, corpusFile("random-history.cfp")).ok);
    EXPECT_EQ(profile.profileName, QStringLiteral("Noise"));
    EXPECT_EQ(profile.incomeCount() + profile.expenseCount() + profile.bankCount(), 0);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(saveSession(profile, dir.filePath(QStringLiteral("again.cfp"))).ok);
    Profile reloaded;
    ASSERT_TRUE(loadSession(reloaded, dir.filePath(QStringLiteral("again.cfp"))).ok);
    EXPECT_TRUE(reloaded == profile);
}

QString makeHugeLine(const QString& dir, const char* name)
{
    const QString path = dir + u'/' + QString::fromUtf8(name);
    test::writeBytes(path, QByteArray(50 * 1024 * 1024, 'x'));
    return path;
}

QString makeLoop(const QString& dir, const char* name)
{
    const QString path = dir + u'/' + QString::fromUtf8(name);
    const QString other = path + QStringLiteral(".other");
    QFile::link(other, path);
    QFile::link(path, other);
    return path;
}

// A link to a file that opens but fails every read: for root, whom
// permissions do not stop, this is the file that cannot be read.
QString makeReadFailure(const QString& dir, const char* name)
{
    const QString path = dir + u'/' + QString::fromUtf8(name);
    QFile::link(QStringLiteral("/proc/self/mem"), path);
    return path;
}

QString makeNoPermission(const QString& dir, const char* name, const QByteArray& bytes)
{
    const QString path = dir + u'/' + QString::fromUtf8(name);
    test::writeBytes(path, bytes);
    QFile::setPermissions(path, {});
    return path;
}

QString makeFolder(const QString& dir, const char* name)
{
    const QString path = dir + u'/' + QString::fromUtf8(name);
    QDir(dir).mkdir(QString::fromUtf8(name));
    return path;
}

bool runningAsRoot()
{
    return geteuid() == 0;
}

TEST(HostileSessionFiles, filesMadeAtTestTimeAreRefusedWithTheOpenProfileKept)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path();
    struct Case {
        const char* name;
        QString path;
        const char* reasonWord;
    };
    const Case cases[] = {
        {"50 MB in one line", makeHugeLine(folder, "huge line.cfp"), "larger"},
        {"a folder", makeFolder(folder, "folder.cfp"), "folder"},
        {"a link loop", makeLoop(folder, "loop.cfp"), ""},
        {"a file whose reads fail", makeReadFailure(folder, "read fails.cfp"), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        expectLoad(c.path, std::nullopt, c.reasonWord);
    }
}

TEST(HostileSessionFiles, aFileWithoutReadPermissionIsRefusedUnlessRootReadsIt)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Profile saved = test::richProfile();
    const QString path = makeNoPermission(dir.path(), "locked.cfp", writeSession(saved));
    // Permissions do not stop root: then the file must load whole.
    if (runningAsRoot())
        expectLoad(path, saved, "");
    else
        expectLoad(path, std::nullopt, "");
}

// Report templates: a damaged one gives its text or the notice, and the
// document takes a good template afterwards.
struct TemplateCase {
    const char* file;
    const char* text; // text the document must then hold; empty: any
};

const TemplateCase kTemplateCases[] = {
    {"template-ok.rtf", "Hello world"},
    {"Vorlage größe ü.rtf", "café"},
    {"template-unclosed-group.rtf", "Bold text"},
    {"template-only-closing-braces.rtf", ""},
    {"template-deep-nesting.rtf", "deep"},
    {"template-cut-escapes.rtf", "one"},
    {"template-cut-unicode.rtf", "two"},
    {"template-huge-numbers.rtf", "big"},
    {"template-unterminated-tables.rtf", ""},
    {"template-bin-control.rtf", "before"},
    {"template-random-bytes.rtf", ""},
    {"template-empty.rtf", ""},
    {"template-session-file.rtf", ""},
};

// After whatever came before, the document still takes a field and a template.
void expectUsable(QTextDocument& document)
{
    setReportField(document, 0, 1, QStringLiteral("Field"));
    if (!document.isEmpty()) {
        EXPECT_TRUE(document.firstBlock().text().startsWith(QStringLiteral("Field")))
            << document.firstBlock().text().toStdString();
    }
    ASSERT_TRUE(loadReportTemplate(document, corpusFile("template-ok.rtf")));
    EXPECT_TRUE(document.toPlainText().contains(QStringLiteral("Hello world")));
}

TEST(HostileTemplates, eachCorpusTemplateGivesSomeTextAndLeavesTheDocumentUsable)
{
    for (const TemplateCase& c : kTemplateCases) {
        SCOPED_TRACE(c.file);
        QTextDocument document;
        EXPECT_TRUE(loadReportTemplate(document, corpusFile(c.file)));
        EXPECT_TRUE(document.toPlainText().contains(QString::fromUtf8(c.text)))
            << document.toPlainText().left(200).toStdString();
        expectUsable(document);
    }
}

TEST(HostileTemplates, templatesThatCannotBeReadGiveTheNoticeNamingThem)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path();
    const QString cases[] = {
        folder + QStringLiteral("/missing.rtf"),
        makeFolder(folder, "folder.rtf"),
        makeHugeLine(folder, "huge line.rtf"),
        makeLoop(folder, "loop.rtf"),
        makeReadFailure(folder, "read fails.rtf"),
    };
    for (const QString& path : cases) {
        SCOPED_TRACE(path.toStdString());
        QTextDocument document;
        document.setPlainText(QStringLiteral("before"));
        EXPECT_FALSE(loadReportTemplate(document, path));
        EXPECT_TRUE(document.toPlainText().contains(QDir::toNativeSeparators(path)))
            << document.toPlainText().toStdString();
        expectUsable(document);
    }
}

TEST(HostileTemplates, aTemplateWithoutReadPermissionGivesTheNoticeOrItsText)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Root reads a file without permissions: then it is the template's text.
    const QString locked
        = makeNoPermission(dir.path(), "locked.rtf", test::readBytes(corpusFile("template-ok.rtf")));
    QTextDocument document;
    EXPECT_EQ(loadReportTemplate(document, locked), runningAsRoot());
    EXPECT_TRUE(document.toPlainText().contains(runningAsRoot() ? QStringLiteral("Hello world") : locked));
    expectUsable(document);
}

// Whatever the bytes, the reader ends with at least the one paragraph every
// document has, and no run holds a paragraph break.
TEST(HostileRtf, anyBytesGiveParagraphsWithoutBreaksInTheirRuns)
{
    std::vector<QByteArray> inputs;
    for (const QString& name : QDir(kCorpus).entryList(QDir::Files))
        inputs.push_back(test::readBytes(kCorpus + u'/' + name));
    inputs.push_back(QByteArray(50 * 1024 * 1024, 'x'));
    inputs.push_back(QByteArray(1024 * 1024, '{'));
    inputs.push_back(QByteArray(1024 * 1024, '\\'));
    inputs.push_back(QByteArray("{\\rtf1 ") + QByteArray("\\'").repeated(100000));
    for (const QByteArray& input : inputs) {
        SCOPED_TRACE(input.left(40).toStdString());
        const RichText text = readRtf(input);
        ASSERT_FALSE(text.empty());
        for (const Paragraph& paragraph : text) {
            for (const TextRun& run : paragraph.runs)
                EXPECT_FALSE(std::any_of(run.text.begin(), run.text.end(), endsParagraph));
        }
    }
    // Plain text comes through whole: 50 million characters in one paragraph.
    const RichText plain = readRtf(QByteArray(50 * 1024 * 1024, 'x'));
    ASSERT_EQ(plain.size(), 1u);
    qsizetype characters = 0;
    for (const TextRun& run : plain.front().runs)
        characters += run.text.size();
    EXPECT_EQ(characters, 50 * 1024 * 1024);
}

} // namespace
} // namespace cashvane
