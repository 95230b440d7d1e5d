#include "search/search_history.h"

#include "editor/text_fields.h"
#include "search/history_order.h"
#include "search/search_text.h"
#include "settings/settings.h"

namespace {

// The file manager's INI file, without a path: the one in the Windows folder.
constexpr char ManagerIniFile[] = "Wincmd.INI";
constexpr char ManagerSection[] = "SearchText";
constexpr size_t TextCapacity = SearchTextLength + 1;

std::string HistoryName(int slot)
{
    return SettingSlotName(SettingName::SearchHistory, slot);
}

std::string ReadHistoryText(int slot)
{
    char text[TextCapacity];
    ReadSettingText(HistoryName(slot).c_str(), text, sizeof text);
    return text;
}

std::string ReadManagerText(int key)
{
    const char name[] = {static_cast<char>('0' + key), '\0'};
    char text[TextCapacity];
    GetPrivateProfileStringA(ManagerSection, name, "", text, sizeof text, ManagerIniFile);
    return text;
}

}   // namespace

void FillSearchList(HWND combo)
{
    for (int slot = HistoryLength - 1; slot >= 0; --slot) {
        std::string text = ReadHistoryText(slot);
        if (!text.empty()) InsertComboText(combo, 0, text);
    }
    for (int key = 0; key < HistoryLength; ++key) {
        std::string text = ReadManagerText(key);
        if (!text.empty()) InsertComboText(combo, -1, text);
    }
}

void RememberSearchText(const std::string& text)
{
    HistoryTexts texts;
    for (int slot = 0; slot < HistoryLength; ++slot) texts[slot] = ReadHistoryText(slot);
    for (int slot = PushHistory(texts, text); slot >= 0; --slot)
        WriteSettingText(HistoryName(slot).c_str(), texts[slot].c_str());
}
