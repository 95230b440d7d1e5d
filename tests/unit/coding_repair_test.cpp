// The repair of garbled text on the garblings users meet, on clean text, and
// on a chain that cannot give every character back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "coding/repair.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Written(int coding, const std::u16string& text)
{
    Bytes bytes;
    EXPECT_EQ(WriteTextAs(coding, text.data(), text.size(), bytes), 0u);
    return bytes;
}

std::u16string Read(int coding, const Bytes& bytes)
{
    std::u16string text;
    ReadBytesAs(coding, bytes.data(), bytes.size(), text);
    return text;
}

const std::u16string Russian =
    u"Привет! Это письмо пришло к нам в странном виде, и его никто не мог прочитать. "
    u"Теперь всё в порядке: текст снова читается.";

}   // namespace

TEST(Repair, GivesBackTheRussianOfCommonGarblings)
{
    const struct {
        std::u16string seen;   // as the user sees it
        int view;
        int coding;   // of the repaired bytes
        const char* status;
    } cases[] = {
        {u"РџСЂРёРІРµС‚, РјРёСЂ! Р­С‚Рѕ С‚РµСЃС‚.", CodingUtf8, CodingUtf8, "Repaired: UTF-8 read as 1251"},
        {u"РџСЂРёРІРµС‚, РјРёСЂ! Р­С‚Рѕ С‚РµСЃС‚.", CodingAnsi, CodingUtf8, "Repaired: UTF-8 read as 1251"},
        {u"ÐŸÑ€Ð¸Ð²ÐµÑ‚, Ð¼Ð¸Ñ€! Ð\u00ADÑ‚Ð¾ Ñ‚ÐµÑ\u0081Ñ‚.", CodingUtf8, CodingUtf8, "Repaired: UTF-8 read as 1252"},
        {u"Ïðèâåò, ìèð! Ýòî òåñò.", CodingUtf8, CodingAnsi, "Repaired: 1251 read as 1252"},
        {u"рТЙЧЕФ, НЙТ! ьФП ФЕУФ.", CodingAnsi, CodingKoi8, "Repaired: KOI8-R read as 1251"},
        {u"ЏаЁўҐв, ¬Ёа! ќв® вҐбв.", CodingAnsi, CodingOem, "Repaired: 866 read as 1251"},
        {u"ЏаЁўҐв, ¬Ёа! ќв® вҐбв.", CodingUtf8, CodingOem, "Repaired: 866 read as 1251"},
    };
    for (const auto& c : cases) {
        const Bytes bytes = Written(c.view, c.seen);
        const Repair r = RepairBytes(bytes.data(), bytes.size(), c.view);
        EXPECT_TRUE(r.found) << c.status;
        EXPECT_EQ(r.coding, c.coding) << c.status;
        EXPECT_EQ(RepairStatusText(r.chain), c.status);
        EXPECT_EQ(r.lost, 0u) << c.status;
        EXPECT_TRUE(Read(r.coding, r.bytes) == u"Привет, мир! Это тест.") << c.status;
    }
    // DOS text read as Windows: the bytes stay, only their coding changes.
    const Bytes dos = Written(CodingOem, Russian);
    const Repair r = RepairBytes(dos.data(), dos.size(), CodingAnsi);
    EXPECT_EQ(RepairStatusText(r.chain), "Repaired: 866 read as 1251");
    EXPECT_EQ(r.coding, CodingOem);
    EXPECT_EQ(r.bytes, dos);
}

TEST(Repair, UndoesChainsOfTwoAndThreeSteps)
{
    const Bytes utf8 = Written(CodingUtf8, Russian);
    // UTF-8 read as 1251 and saved as UTF-8, read as 1252 and saved as UTF-8 again.
    Bytes bytes = Written(CodingUtf8, Read(CodingAnsi, utf8));
    bytes = Written(CodingUtf8, Read(CodingWestern, bytes));
    Repair r = RepairBytes(bytes.data(), bytes.size(), CodingUtf8);
    EXPECT_EQ(RepairStatusText(r.chain), "Repaired: UTF-8 read as 1251, then UTF-8 read as 1252");
    EXPECT_EQ(r.bytes, utf8);
    // And once more read as 1251, shown in the ANSI view.
    r = RepairBytes(bytes.data(), bytes.size(), CodingAnsi);
    EXPECT_EQ(RepairStatusText(r.chain), "Repaired: UTF-8 read as 1251, then UTF-8 read as 1252, then UTF-8 read as 1251");
    EXPECT_EQ(r.bytes, utf8);
}

// Garblings whose result differs from the text in a letter or two, or only in
// case: Mac Cyrillic shares the small letters of 1251, and two readings
// between 1251 and ISO 8859-5 turn small letters into capitals.
TEST(Repair, TellsLookAlikesApart)
{
    const std::u16string notInUse = u"Они работали правильно. Не используйте различные препроцессоры troff.";
    const std::u16string shouted = u"Параметр relax_domain_level будет зависеть от внутренней реализации кода.";
    const std::u16string licence = u"; прочитайте Стандартную общественную лицензию GNU версии 3.";
    const struct {
        std::u16string text;
        Bytes bytes;   // as garbled
        int view;
        const char* status;
    } cases[] = {
        {notInUse, Written(CodingMac, notInUse), CodingAnsi, "Repaired: Mac read as 1251"},
        {shouted, Written(CodingIso, Read(CodingAnsi, Written(CodingIso, shouted))), CodingAnsi,
         "Repaired: ISO 8859-5 read as 1251, then ISO 8859-5 read as 1251"},
        {licence, Written(CodingAnsi, Read(CodingMac, Written(CodingAnsi, licence))), CodingKoi8,
         "Repaired: 1251 read as Mac, then 1251 read as KOI8-R"},
    };
    for (const auto& c : cases) {
        const Repair r = RepairBytes(c.bytes.data(), c.bytes.size(), c.view);
        EXPECT_EQ(RepairStatusText(r.chain), c.status);
        EXPECT_TRUE(Read(r.coding, r.bytes) == c.text) << c.status;
    }
}

TEST(Repair, LeavesCleanTextAlone)
{
    const std::u16string texts[] = {
        Russian,
        u"The quick brown fox jumps over the lazy dog. It’s “fine” — really.",
        u"Команда ls -l /usr/bin выводит список файлов; see ls(1) for the options «-a» and «-h».",
        u"ЁЛКИ-ПАЛКИ! ВСЁ ЗАГЛАВНЫМИ БУКВАМИ.",
        u"ПОЧТОВЫЕ СЕРВЕРЫ (SMTP) ЧАСТО ЗАПУСКАЮТСЯ С ПОМОЩЬЮ СИСТЕМНЫХ СЦЕНАРИЕВ.",
        u"Размер: 4 ГиБ, то есть 4096 МиБ; «ВКонтакте» — точка А и точка Б.",
        u"Ъ",   // too little to tell readings apart
        u"",
    };
    for (const auto& text : texts) {
        for (int view : {int(CodingAnsi), int(CodingOem), int(CodingKoi8), int(CodingUtf8)}) {
            Bytes bytes;
            if (WriteTextAs(view, text.data(), text.size(), bytes)) continue;   // the coding lacks « or ’
            EXPECT_FALSE(RepairBytes(bytes.data(), bytes.size(), view).found) << RepairCodingName[view];
        }
    }
    const Bytes ansi = Written(CodingAnsi, Russian);
    EXPECT_FALSE(RepairBytes(ansi.data(), ansi.size(), CodingIso).found);   // not a view coding
}

TEST(Repair, CountsTheCharactersAChainCannotGiveBack)
{
    // UTF-8 read as 1251 and saved as UTF-8, then a smile typed in: 1251 has
    // no smile, so undoing the chain turns it into '?'.
    const std::u16string seen = Read(CodingAnsi, Written(CodingUtf8, Russian)) + u" ☺ ☺";
    const Bytes bytes = Written(CodingUtf8, seen);
    const Repair r = RepairBytes(bytes.data(), bytes.size(), CodingUtf8);
    EXPECT_EQ(RepairStatusText(r.chain), "Repaired: UTF-8 read as 1251");
    EXPECT_EQ(r.lost, 2u);
    EXPECT_TRUE(Read(r.coding, r.bytes) == Russian + u" ? ?");
    EXPECT_EQ(UndoChain(bytes.data(), bytes.size(), CodingUtf8, r.chain).lost, r.lost);
}
