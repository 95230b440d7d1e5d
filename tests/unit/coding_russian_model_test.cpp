// The Russian text model's score of a text and of bytes read in a coding.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "coding/russian_model.h"
#include "coding/unicode_tables.h"

// Russian reads better than the same bytes read in another coding, and
// scoring bytes in a coding is scoring the text they decode to.
TEST(RussianModel, ScoresRussianAboveGarbledText)
{
    const std::u16string prose = u"Мороз и солнце; день чудесный! Ещё ты дремлешь, друг прелестный?";
    const double russian = RussianScore(prose.data(), prose.size());
    EXPECT_GT(russian, -3.5);
    for (Coding written : {CodingAnsi, CodingOem, CodingKoi8}) {
        std::vector<uint8_t> bytes;
        for (char16_t ch : prose) bytes.push_back(UnicodeToByte(written, ch));
        for (Coding read : {CodingAnsi, CodingOem, CodingKoi8}) {
            std::u16string text(bytes.size(), u' ');
            DecodeBytes(read, bytes.data(), bytes.size(), &text[0]);
            const double score = RussianScore(read, bytes.data(), bytes.size());
            EXPECT_DOUBLE_EQ(score, RussianScore(text.data(), text.size()));
            if (read == written)
                EXPECT_DOUBLE_EQ(score, russian);
            else
                EXPECT_LT(score, RussianScoreNoEvidence + 1) << written << " read as " << read;
        }
    }
    // Mixed case inside a word reads worse than a capital at its start.
    const std::u16string capital = u"Привет", inverted = u"пРИВЕТ";
    EXPECT_GT(RussianScore(capital.data(), capital.size()), RussianScore(inverted.data(), inverted.size()) + 1);
    // Letter triples tell apart words whose letter pairs read alike.
    for (auto [word, lookAlike] : {std::pair{u"стандарт", u"чтандарт"}, {u"значение", u"аначение"}, {u"файл", u"уайл"}}) {
        const std::u16string a = word, b = lookAlike;
        EXPECT_GT(RussianTripleSum(a.data(), a.size()), RussianTripleSum(b.data(), b.size()) + 1)
            << RussianTripleSum(a.data(), a.size());
    }
}

TEST(RussianModel, AsciiIsNoEvidence)
{
    const std::u16string english = u"plain text, 42 lines";
    EXPECT_EQ(RussianScore(english.data(), english.size()), RussianScoreNoEvidence);
    EXPECT_EQ(RussianScore(nullptr, 0), RussianScoreNoEvidence);
    EXPECT_EQ(RussianLikelihoodOf(english.data(), english.size()).pairs, 0u);
}
