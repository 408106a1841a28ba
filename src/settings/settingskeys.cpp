#include "settings/settingskeys.h"

#include "core/runerror.h"
#include "settings/settingsvalue.h"

#include <string_view>

namespace qm {

namespace {

std::string encode(float v) {
    return writeSingle(v);
}
std::string encode(int16_t v) {
    return writeInteger(v);
}
std::string encode(int32_t v) {
    return writeInteger(v);
}
std::string encode(bool v) {
    return writeBoolean(v);
}
std::string encode(const std::string& v) {
    return v;
}

void decode(std::string_view text, float& v) {
    v = readSingle(text);
}
void decode(std::string_view text, int16_t& v) {
    v = readInteger(text);
}
void decode(std::string_view text, int32_t& v) {
    v = readLong(text);
}
void decode(std::string_view text, bool& v) {
    v = readBoolean(text);
}
void decode(std::string_view text, std::string& v) {
    v = text;
}

std::string fieldText(const SettingsField& field) {
    return std::visit([](auto* v) { return encode(*v); }, field);
}

std::string defaultText(const SettingKey& key) {
    Settings fresh;
    std::string noFile;
    SettingsTarget target{fresh, noFile};
    return fieldText(key.field(target));
}

// The values the Options dialog can set.
bool digitsAllowed(int32_t v) {
    return v >= 4 && v <= 12;
}
bool sciDigitsAllowed(int32_t v) {
    return v == 0 || (v >= 4 && v <= 9);
}
bool onOffAllowed(int32_t v) {
    return v == 0 || v == 1;
}

// The tip flags, one digit each, from ShowMessage.
void readTipFlags(SettingsTarget& t) {
    const std::string& text = t.s.ShowMessage;
    for (int n = 0; n < kShowMessageCount; ++n) {
        // Character n + 1 must be a digit; a shorter text is an error too.
        if (static_cast<std::size_t>(n) >= text.size() || text[n] < '0' || text[n] > '9')
            throw RunError(RunErrorKind::TypeMismatch, "Type mismatch");
        t.s.ShowMessageFlag[n] = static_cast<int16_t>(text[n] - '0');
    }
}

std::string indexed(const char* name, int i) {
    return name + std::to_string(i);
}
std::string indexed(const char* name, int i, int j) {
    return name + std::to_string(i) + std::to_string(j);
}

// Builds the key list group by group.
class KeyList {
  public:
    void group(const char* label, const char* section = nullptr) {
        label_ = label;
        if (section) section_ = section;
    }
    SettingKey& add(std::string name, std::function<SettingsField(SettingsTarget&)> field) {
        SettingKey& key = keys.emplace_back();
        key.label = label_;
        key.section = section_;
        key.name = std::move(name);
        key.field = std::move(field);
        return key;
    }
    template <typename T> SettingKey& add(const char* name, T Settings::*member) {
        return add(name, [member](SettingsTarget& t) -> SettingsField { return &(t.s.*member); });
    }
    template <typename T> SettingKey& add(const char* name, T NumberStyle::*member) {
        return add(name, [member](SettingsTarget& t) -> SettingsField {
            return &(t.s.numberStyle.*member);
        });
    }
    std::vector<SettingKey> keys;

  private:
    const char* label_ = "";
    const char* section_ = "";
};

void addForm(KeyList& k) {
    k.group("PRCG01", "Form");
    for (auto [name, member] : {std::pair{"Left", &Settings::Left},
                                {"Top", &Settings::Top},
                                {"Width", &Settings::Width},
                                {"Height", &Settings::Height},
                                {"CalcLeft", &Settings::CalcLeft},
                                {"CalcTop", &Settings::CalcTop},
                                {"MemoWidth", &Settings::MemoWidth},
                                {"MemoHeight", &Settings::MemoHeight},
                                {"FindLeft", &Settings::FindLeft},
                                {"FindTop", &Settings::FindTop},
                                {"InputWidth", &Settings::InputWidth},
                                {"OutputWidth", &Settings::OutputWidth}})
        k.add(name, member);
    for (int l = 0; l < kHeaderLayoutCount; ++l)
        for (int c = 0; c < kHeaderColumnCount; ++c) {
            SettingKey& key =
                k.add(indexed("HeaderWidth", l, c), [l, c](SettingsTarget& t) -> SettingsField {
                    return &t.s.HeaderWidth[l][c];
                });
            // The number-system layout's first column, when 0, fills the list.
            if (l == 2 && c == 0)
                key.afterRead = [](SettingsTarget& t) {
                    if (t.s.HeaderWidth[2][0] == 0) t.s.HeaderWidth[2][0] = t.listWidth;
                };
        }
    k.add("TreeWidth", &Settings::TreeWidth);
}

void addOption(KeyList& k) {
    k.group("PRCG02", "Option");
    k.add("Digits", &NumberStyle::pnDigits).allowed = digitsAllowed;
    SettingKey& sci = k.add("SciDigits", &NumberStyle::pnSciDigits);
    sci.allowed = sciDigitsAllowed;
    sci.afterRead = [](SettingsTarget& t) { t.s.numberStyle.deriveSciBounds(); };
    k.add("Integer", &NumberStyle::pnInteger).allowed = onOffAllowed;
    k.add("NumFormat", &NumberStyle::pnNumFormat).allowed = onOffAllowed;
    k.add("ShowError", &NumberStyle::pbShowError);
    k.add("CalcType", &Settings::pnCalcType);
    k.add("CalcPath", &Settings::psCalcPath);
    for (auto [name, member] : {std::pair{"Modify", &Settings::Modify},
                                {"SaveWindowSize", &Settings::SaveWindowSize},
                                {"ShowMenubar", &Settings::ShowMenubar},
                                {"ShowToolbar", &Settings::ShowToolbar},
                                {"ShowGridLines", &Settings::ShowGridLines},
                                {"StayTop", &Settings::StayTop}})
        k.add(name, member);
    k.group("PRCG03", "View");
    k.add("SelNodeIndex", &Settings::pnSelNodeIndex);
    k.add("View", &Settings::View);
    k.add("SortGroup", &Settings::SortGroup);
    k.add("SortUnit", &Settings::SortUnit);
}

// Areas 0 to 3 and 5 are stored; area 4 takes area 2's font, area 5 has no
// styles.
void addFont(KeyList& k) {
    k.group("PRCG04", "Font");
    for (int a : {0, 1, 2, 3, 5}) {
        SettingKey& key = k.add(indexed("FontName", a), [a](SettingsTarget& t) -> SettingsField {
            return &t.s.FontName[a];
        });
        if (a == 3) key.afterRead = [](SettingsTarget& t) { t.s.FontName[4] = t.s.FontName[2]; };
    }
    k.group("PRCG05");
    for (int a : {0, 1, 2, 3, 5}) {
        SettingKey& key = k.add(indexed("FontSize", a), [a](SettingsTarget& t) -> SettingsField {
            return &t.s.FontSize[a];
        });
        if (a == 3) key.afterRead = [](SettingsTarget& t) { t.s.FontSize[4] = t.s.FontSize[2]; };
    }
    static const char* const styleLabels[kFontStyleCount] = {"PRCG06", "PRCG07", "PRCG08"};
    for (int st = 0; st < kFontStyleCount; ++st) {
        k.group(styleLabels[st]);
        for (int a = 0; a < 4; ++a)
            k.add(indexed("FontStyle", a, st),
                  [a, st](SettingsTarget& t) -> SettingsField { return &t.s.FontStyle[a][st]; });
        k.keys.back().afterRead = [st](SettingsTarget& t) {
            t.s.FontStyle[4][st] = t.s.FontStyle[2][st];
            t.s.FontStyle[5][st] = 0;
        };
    }
}

// Text colours of areas 0 to 2 and 4, backgrounds of areas 0 to 4; the status
// bar's background is written after the others.
void addColor(KeyList& k) {
    k.group("PRCG09", "Color");
    for (int a : {0, 1, 2, 4}) {
        SettingKey& key = k.add(indexed("TextColor", a), [a](SettingsTarget& t) -> SettingsField {
            return &t.s.TextColor[a];
        });
        // Areas 3 and 5 keep black text.
        if (a == 2 || a == 4) key.afterRead = [a](SettingsTarget& t) { t.s.TextColor[a + 1] = 0; };
    }
    k.group("PRCG10");
    for (int a = 0; a < 5; ++a)
        k.add(indexed("BackColor", a),
              [a](SettingsTarget& t) -> SettingsField { return &t.s.BackColor[a]; });
    k.keys[k.keys.size() - 2].writtenLast = true; // area 3
    k.keys.back().afterRead = [](SettingsTarget& t) { t.s.BackColor[5] = kWhite; };
}

void addRest(KeyList& k) {
    k.group("PRCG11", "Header");
    for (int l = 0; l < kHeaderLayoutCount; ++l)
        for (int c = 0; c < (l == 2 ? 1 : kHeaderColumnCount); ++c)
            k.add(indexed("Text", l, c),
                  [l, c](SettingsTarget& t) -> SettingsField { return &t.s.HeaderText[l][c]; });
    k.group("PRCG12", "File");
    k.add("SaveFilePath", [](SettingsTarget& t) -> SettingsField {
         return &t.tableFile;
     }).afterRead = [](SettingsTarget& t) {
        if (t.tableFile.empty()) t.s.psRootNodeText = "default.dat";
    };
    k.group("PRCG14", "Extra");
    k.add("ShowMessage", &Settings::ShowMessage);
    k.add("CustomizeToolbar", &Settings::CustomizeToolbar);
    for (auto [name, member] : {std::pair{"ShowMenuDelay", &Settings::ShowMenuDelay},
                                {"ScrollTimerInterval", &Settings::ScrollTimerInterval},
                                {"ScrollDownDelay", &Settings::ScrollDownDelay},
                                {"ShowHintDelay", &Settings::ShowHintDelay},
                                {"ShowCheckLocale", &Settings::ShowCheckLocale}})
        k.add(name, member);
    k.keys.back().afterRead = readTipFlags;
}

void writeKey(const SettingKey& key, SettingsTarget& target, SettingsStore& store) {
    store.save(kSettingsApp, key.section, key.name, fieldText(key.field(target)));
}

} // namespace

const std::vector<SettingKey>& settingKeys() {
    static const std::vector<SettingKey> keys = [] {
        KeyList k;
        addForm(k);
        addOption(k);
        addFont(k);
        addColor(k);
        addRest(k);
        return std::move(k.keys);
    }();
    return keys;
}

void readSettingKey(const SettingKey& key, SettingsTarget& target, SettingsStore& store) {
    const std::string def = defaultText(key);
    const std::string text = store.get(kSettingsApp, key.section, key.name, def);
    const SettingsField field = key.field(target);
    std::visit([&](auto* v) { decode(text, *v); }, field);
    if (key.allowed && !key.allowed(*std::get<int16_t*>(field)))
        std::visit([&](auto* v) { decode(def, *v); }, field);
    if (key.afterRead) key.afterRead(target);
}

void writeSettingKeys(SettingsTarget& target, SettingsStore& store) {
    const SettingKey* held = nullptr;
    for (const SettingKey& key : settingKeys()) {
        if (held && std::string_view(held->section) != key.section) {
            writeKey(*held, target, store);
            held = nullptr;
        }
        if (key.writtenLast)
            held = &key;
        else
            writeKey(key, target, store);
    }
    if (held) writeKey(*held, target, store);
}

} // namespace qm
