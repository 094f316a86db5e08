#include "shell/formats/rtf_tokenizer.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <vector>

namespace {

using Type = RtfTokenizer::Type;
using Token = RtfTokenizer::Token;

std::vector<Token> tokenize(const QByteArray &data)
{
    RtfTokenizer tokenizer(data);
    std::vector<Token> tokens;
    for (;;) {
        Token t = tokenizer.next();
        tokens.push_back(t);
        if (t.type == Type::End || t.type == Type::Error)
            return tokens;
    }
}

TEST(RtfTokenizer, SplitsGroupsWordsTextAndParametersWithOffsets)
{
    const auto tokens = tokenize("{\\rtf1 Hi\\b0 there}");
    ASSERT_EQ(tokens.size(), 7u);
    EXPECT_EQ(tokens[0].type, Type::GroupStart);
    EXPECT_EQ(tokens[0].offset, 0);
    EXPECT_EQ(tokens[1].type, Type::ControlWord);
    EXPECT_EQ(tokens[1].word, "rtf");
    EXPECT_TRUE(tokens[1].hasParameter);
    EXPECT_EQ(tokens[1].parameter, 1);
    EXPECT_EQ(tokens[1].offset, 1);
    // The space after \rtf1 is its delimiter, not text.
    EXPECT_EQ(tokens[2].type, Type::Text);
    EXPECT_EQ(tokens[2].text, "Hi");
    EXPECT_EQ(tokens[2].offset, 7);
    EXPECT_EQ(tokens[3].word, "b");
    EXPECT_EQ(tokens[3].parameter, 0);
    EXPECT_EQ(tokens[4].text, "there");
    EXPECT_EQ(tokens[5].type, Type::GroupEnd);
    EXPECT_EQ(tokens[5].offset, 18);
    EXPECT_EQ(tokens[6].type, Type::End);

    // Parameters and delimiters.
    const auto params = tokenize("\\fi-360\\li720  x\\b\\i-y");
    EXPECT_EQ(params[0].word, "fi");
    EXPECT_EQ(params[0].parameter, -360);
    EXPECT_EQ(params[1].word, "li");
    EXPECT_EQ(params[1].parameter, 720);
    // Only one space is the delimiter; the second belongs to the text.
    EXPECT_EQ(params[2].text, " x");
    EXPECT_EQ(params[3].word, "b");
    EXPECT_FALSE(params[3].hasParameter);
    // A hyphen without digits is not a sign.
    EXPECT_EQ(params[4].word, "i");
    EXPECT_FALSE(params[4].hasParameter);
    EXPECT_EQ(params[5].text, "-y");
}

TEST(RtfTokenizer, SymbolsHexAndEscapes)
{
    const auto tokens = tokenize("a\\{b\\}\\\\c\\~\\-\\_\\*\\'e9\\'C0\r\nd");
    EXPECT_EQ(tokens[0].type, Type::Text);
    EXPECT_EQ(tokens[0].text, "a{b}\\c");
    EXPECT_EQ(tokens[1].type, Type::ControlSymbol);
    EXPECT_EQ(tokens[1].symbol, '~');
    EXPECT_EQ(tokens[2].symbol, '-');
    EXPECT_EQ(tokens[3].symbol, '_');
    EXPECT_EQ(tokens[4].symbol, '*');
    EXPECT_EQ(tokens[5].type, Type::HexByte);
    EXPECT_EQ(tokens[5].parameter, 0xE9);
    EXPECT_EQ(tokens[6].parameter, 0xC0);
    // Line ends are not text.
    EXPECT_EQ(tokens[7].text, "d");
    EXPECT_EQ(tokens[8].type, Type::End);
    // A backslash before a line end is a paragraph mark.
    const auto par = tokenize("a\\\nb");
    EXPECT_EQ(par[1].word, "par");
    EXPECT_EQ(par[2].text, "b");
}

TEST(RtfTokenizer, BinaryDataIsSkippedByCount)
{
    const QByteArray data = QByteArray("{\\bin5 ") + QByteArray("}{\\\x00", 5) + "}after";
    const auto tokens = tokenize(data);
    EXPECT_EQ(tokens[0].type, Type::GroupStart);
    EXPECT_EQ(tokens[1].type, Type::Binary);
    EXPECT_EQ(tokens[1].parameter, 5);
    EXPECT_EQ(tokens[2].type, Type::GroupEnd);
    EXPECT_EQ(tokens[3].text, "after");
}

TEST(RtfTokenizer, MalformedInputGivesErrorWithOffset)
{
    struct Case
    {
        QByteArray data;
        qint64 offset;
    };
    const std::vector<Case> cases = {
        {"ab\\'4", 2},                   // truncated hex
        {"ab\\'zz", 2},                  // bad hex
        {"{\\x99999999999 }", 1},        // parameter too long
        {"{\\x4294967296}", 1},          // beyond 32 bits
        {"{\\bin1000 abc}", 1},          // binary past the end
        {"{\\bin-5 abc}", 1},            // negative count
        {"abc\\", 3},                    // backslash at the end
        {"\\" + QByteArray(40, 'a'), 0}, // word too long
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.data.toStdString());
        RtfTokenizer tokenizer(c.data);
        Token t;
        int guard = 0;
        do {
            t = tokenizer.next();
        } while (t.type != Type::Error && t.type != Type::End && ++guard < 100);
        ASSERT_EQ(t.type, Type::Error);
        EXPECT_EQ(tokenizer.errorOffset(), c.offset);
        EXPECT_TRUE(tokenizer.errorString().contains(QString::number(c.offset)));
        // The error sticks.
        EXPECT_EQ(tokenizer.next().type, Type::Error);
    }
}

TEST(RtfTokenizer, ReadsFromDevice)
{
    QBuffer buffer;
    buffer.setData("{\\b x}");
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    RtfTokenizer tokenizer(&buffer);
    EXPECT_EQ(tokenizer.next().type, Type::GroupStart);
    EXPECT_EQ(tokenizer.next().word, "b");
    EXPECT_EQ(tokenizer.next().text, "x");

    QBuffer closed;
    RtfTokenizer refused(&closed);
    EXPECT_EQ(refused.next().type, Type::Error);
    EXPECT_TRUE(refused.hasError());
}

} // namespace
