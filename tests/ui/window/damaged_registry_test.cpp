// Start-up on a registry store in files that is damaged or is no file at all: the window
// leaves the store alone, starts from the settings file and writes it back whole.
#include "window_harness.h"

#include "platform/registry/file_registry.h"

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace tovalo::ui;
using namespace tovalo::ui::test;
namespace fs = std::filesystem;

namespace {

const std::u16string kSource = u"大切な原稿です。\r\n二行目";
const std::u16string kSettings = u"2,3,\"＃\"\r\n#TRUE#,#FALSE#,#TRUE#\r\n\"12\",\"7\",1\r\n"
                                 u"\"/usr/bin/mailer\"\r\n\"" +
                                 kSource + u"\"\r\n\"saved\r\nvertical\"\r\n";
// The checker is installed in every store that can be read.
const std::string kInstalled = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Upcheck]\r\n";

std::string bytesOf(const fs::path &file) {
    std::ostringstream out;
    out << std::ifstream(file, std::ios::binary).rdbuf();
    return out.str();
}

// What stands in the store's place: its kind and, for a file, its bytes.
std::pair<fs::file_type, std::string> stateOf(const fs::path &store) {
    const fs::file_type type = fs::symlink_status(store).type();
    return {type, type == fs::file_type::regular ? bytesOf(store) : std::string()};
}

struct Store {
    const char *name;
    std::string kind; // file, fifo, folder or device
    std::string bytes;
    bool registers;
};

} // namespace

class DamagedRegistryTest : public QObject {
    Q_OBJECT
private slots:
    void startUpReadsTheSettingsFileWhateverTheStore_data() {
        const Store rows[] = {
            {"one broken line", "file", kInstalled + "\"Author\"=\"no end\r\n", false},
            {"no store text at all", "file", std::string("\x00\xff\r\n[", 5), false},
            {"a FIFO", "fifo", "", false},
            {"a folder", "folder", "", false},
            {"a link to a device", "device", "", false},
            {"well formed", "file", kInstalled, true},
        };
        addRows(rows);
    }
    void startUpReadsTheSettingsFileWhateverTheStore() {
        QFETCH(Store, row);
        QTemporaryDir folder;
        tovalo::platform::FileRegistry store(folder.path().toStdString());
        const fs::path storeFile = store.fileOf(tovalo::platform::RegistryRoot::CurrentUser);
        if (row.kind == "file")
            std::ofstream(storeFile, std::ios::binary) << row.bytes;
        if (row.kind == "fifo")
            QCOMPARE(::mkfifo(storeFile.c_str(), 0600), 0);
        if (row.kind == "folder")
            fs::create_directory(storeFile);
        if (row.kind == "device")
            fs::create_symlink("/dev/null", storeFile);
        const auto before = stateOf(storeFile);

        WindowHarness h;
        h.putSettings(kSettings);
        ::alarm(20); // a store that blocks start-up fails the test instead of hanging it
        Form1 &form = h.open(store);
        ::alarm(0);
        QCOMPARE(h.paneText("TxtOri"), q(kSource));
        QCOMPARE(h.paneText("TxtTate"), QStringLiteral("saved\r\nvertical"));
        QCOMPARE(h.boxText("TxtH"), QStringLiteral("12"));
        QVERIFY(h.check("ChkWidth")->isChecked());
        QVERIFY(form.settings().separatorKind == 2 && form.settings().pageRule == u"＃");
        typeAtEnd(h.pane("TxtOri"), QStringLiteral("。"));
        h.close();

        if (row.registers)
            QVERIFY(bytesOf(storeFile).find("\"Build\"=dword:000000d2") != std::string::npos);
        else
            QVERIFY(stateOf(storeFile) == before);
        QVERIFY(fs::is_character_file("/dev/null"));
        const auto written = wholeSettings(h.settingsBytes());
        QVERIFY(written);
        QCOMPARE(q(written->source), q(kSource) + QStringLiteral("。"));
        QCOMPARE(q(written->vertical), QStringLiteral("saved\r\nvertical"));
        QVERIFY(written->settings.separatorKind == 2 && written->height == u"12" &&
                written->fixedLines);
    }
};

QTEST_MAIN(DamagedRegistryTest)
#include "damaged_registry_test.moc"
