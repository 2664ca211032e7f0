// On Windows the settings are values of one registry key: what a first run leaves there, read
// back with the registry's own interface (as another program, or regedit, sees it), and values
// another program put there, read by the program.
#include "support/first_run_values.h"
#include "support/main_window_fixture.h"
#include "support/main_window_state.h"
#include "windows/window_test_helpers.h"

#ifdef Q_OS_WIN

#include <QLabel>

#include <windows.h>

#include <cstring>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace plotmere {
namespace {

using namespace testing_support;

// The key of the test store, as the registry names it below HKEY_CURRENT_USER.
std::string TestKeyPath() {
    return TestStoreLocation().section(QLatin1Char('\\'), 1).toStdString();
}

struct RegistryValue {
    DWORD type = REG_NONE;
    std::string text;   // REG_SZ data without its terminating zero
    DWORD number = 0;   // REG_DWORD data
    DWORD byteSize = 0; // the size the registry keeps
    bool operator==(const RegistryValue&) const = default;
};

std::ostream& operator<<(std::ostream& out, const RegistryValue& value) {
    return out << "type " << value.type << ", " << value.byteSize << " bytes, text \"" << value.text
               << "\", number " << value.number;
}

class RegistryKey {
public:
    explicit RegistryKey(const std::string& path) {
        opened_ = RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ | KEY_WRITE, &key_) ==
                  ERROR_SUCCESS;
    }
    ~RegistryKey() {
        if (opened_) {
            RegCloseKey(key_);
        }
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    bool opened() const { return opened_; }

    std::optional<RegistryValue> value(const std::string& name) const {
        BYTE data[4096] = {};
        DWORD type = REG_NONE;
        DWORD size = sizeof data;
        if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, data, &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        RegistryValue value{type, {}, 0, size};
        if (type == REG_SZ && size > 0) {
            value.text.assign(reinterpret_cast<const char*>(data), size - 1);
        } else if (type == REG_DWORD && size == sizeof(DWORD)) {
            std::memcpy(&value.number, data, sizeof(DWORD));
        }
        return value;
    }

    // Every value's name, in the key's own order.
    std::vector<std::string> valueNames() const {
        std::vector<std::string> names;
        for (DWORD index = 0;; ++index) {
            char name[256];
            DWORD length = sizeof name;
            if (RegEnumValueA(key_, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
                ERROR_SUCCESS) {
                return names;
            }
            names.emplace_back(name, length);
        }
    }

    DWORD subkeyCount() const {
        DWORD subkeys = 0;
        RegQueryInfoKeyA(key_, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr);
        return subkeys;
    }

    bool setText(const std::string& name, const std::string& text) {
        return RegSetValueExA(key_, name.c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(text.c_str()),
                              static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
    }
    bool setNumber(const std::string& name, DWORD number) {
        return RegSetValueExA(key_, name.c_str(), 0, REG_DWORD,
                              reinterpret_cast<const BYTE*>(&number),
                              sizeof number) == ERROR_SUCCESS;
    }

private:
    HKEY key_ = nullptr;
    bool opened_ = false;
};

RegistryValue Text(const std::string& text) {
    return RegistryValue{REG_SZ, text, 0, static_cast<DWORD>(text.size() + 1)};
}
RegistryValue Number(DWORD number) {
    return RegistryValue{REG_DWORD, {}, number, sizeof(DWORD)};
}

TEST(RegistryStoreTest, TheProgramsStoreIsTheKeyItselfBelowTheCurrentUser) {
    EXPECT_EQ(SettingsStore::DefaultLocation(),
              QStringLiteral("HKEY_CURRENT_USER\\Software\\Veldrake Plotmere"));
    EXPECT_EQ(QSettings(SettingsStore::DefaultLocation(), QSettings::NativeFormat).fileName(),
              QStringLiteral("\\HKEY_CURRENT_USER\\Software\\Veldrake Plotmere"));
}

using RegistryFirstRunTest = MainWindowFixture;

TEST_F(RegistryFirstRunTest, TextsAreRegSzAndIntegersRegDwordInTheKeyItself) {
    RunDelayedReplot(*window);
    ASSERT_EQ(UseTheValuesReadLater(*window), "Function expression is empty.");

    const RegistryKey key(TestKeyPath());
    ASSERT_TRUE(key.opened()) << TestKeyPath();
    EXPECT_EQ(key.subkeyCount(), 0u) << "no OrganizationDefaults or any other subkey";

    const QRect outer = window->frameGeometry();
    const std::string yMax = Store().value("y max").toString().toStdString();
    const std::map<std::string, RegistryValue> expected = {
        {"Window Left", Number(4000)},
        {"Window Top", Number(2000)},
        {"Window Height", Number(static_cast<DWORD>(PixelsToTwips(outer.height())))},
        {"Window Width", Number(static_cast<DWORD>(PixelsToTwips(outer.width())))},
        {"x min", Text("-7")},
        {"x max", Text("7")},
        {"y min", Text("-5")},
        {"y max", Text(yMax)},
        {"parameter a", Text("0")},
        {"parameter b", Text("1")},
        {"parameter c", Text("2")},
        {"parameter d", Text("3")},
        {"parameter e", Text("4")},
        {"function 1", Text("")},
        {"function 2", Text("")},
        {"function 3", Text("")},
        {"function 4", Text("")},
        {"function 5", Text("")},
        {"function 6", Text("")},
        {"function 7", Text("")},
        {"function 8", Text("")},
        {"function 9", Text("")},
        {"function 10", Text("")},
        {"Example 1", Text("x*sin(5*x)")},
        {"Example 2", Text("3*sin(0.1*x^3)")},
        {"Example 3", Text("1/(x*tan(2*x))")},
        {"color back", Number(16777215)},
        {"color axis", Number(16744576)},
        {"color graph", Number(0)},
        {"color err", Number(4210943)},
        {"Show Grid", Number(1)},
        {"Look For Singular", Number(1)},
        {"Random Color", Number(0)},
        {"Keep Aspect", Number(1)},
        {"Num of Samples", Number(10000)},
        {"Color Theme", Text("Original Lite")},
        {"Message Duration", Text("4")},
    };
    std::map<std::string, RegistryValue> stored;
    for (const std::string& name : key.valueNames()) {
        if (const std::optional<RegistryValue> value = key.value(name)) {
            stored[name] = *value;
        }
    }
    EXPECT_EQ(stored, expected);
}

TEST_F(RegistryFirstRunTest, ValuesAnotherProgramPlacedInTheKeyAreRead) {
    window->close();
    window.reset();
    ClearStore();
    {
        // Created as another program (or regedit) creates it, through the registry itself.
        HKEY created = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, TestKeyPath().c_str(), 0, nullptr, 0,
                                  KEY_WRITE, nullptr, &created, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(created);
        RegistryKey key(TestKeyPath());
        ASSERT_TRUE(key.opened());
        ASSERT_TRUE(key.setText("x min", "-3"));
        ASSERT_TRUE(key.setText("parameter c", "2.5"));
        ASSERT_TRUE(key.setNumber("Show Grid", 0));
        ASSERT_TRUE(key.setNumber("Num of Samples", 500));
        ASSERT_TRUE(key.setNumber("color graph", 0x4040FF));
    }
    startWindow();
    RunDelayedReplot(*window);

    const GraphView& view = ViewOf(*window);
    EXPECT_EQ(view.range().Xmin, -3.0f);
    EXPECT_EQ(view.options().showGrid, 0);
    EXPECT_EQ(view.options().sampleCount, 500);
    EXPECT_EQ(view.colors().nextGraphColor, 0x4040FF);
    EXPECT_EQ(control<QLabel>("qqc")->text(), "c=2.5");

    // Left as they were: a read never rewrites a usable value or changes its type.
    const RegistryKey key(TestKeyPath());
    EXPECT_EQ(key.value("Show Grid"), Number(0));
    EXPECT_EQ(key.value("x min"), Text("-3"));
}

} // namespace
} // namespace plotmere

#endif
