#include "address_edit_reading.h"

#include "common/sjis_cut.h"
#include "common/sjis_literal.h"

#include <algorithm>
#include <string_view>

namespace views {
namespace {

// A full-width character, its hiragana form when it has one, and its half-width form.
struct KanaForm
{
    const char *hiragana;
    const char *fullWidth;
    const char *halfWidth;
};

constexpr KanaForm KanaForms[] = {
    {sjis("ぁ"), sjis("ァ"), sjis("ｧ")},  {sjis("あ"), sjis("ア"), sjis("ｱ")},
    {sjis("ぃ"), sjis("ィ"), sjis("ｨ")},  {sjis("い"), sjis("イ"), sjis("ｲ")},
    {sjis("ぅ"), sjis("ゥ"), sjis("ｩ")},  {sjis("う"), sjis("ウ"), sjis("ｳ")},
    {sjis("ぇ"), sjis("ェ"), sjis("ｪ")},  {sjis("え"), sjis("エ"), sjis("ｴ")},
    {sjis("ぉ"), sjis("ォ"), sjis("ｫ")},  {sjis("お"), sjis("オ"), sjis("ｵ")},
    {sjis("か"), sjis("カ"), sjis("ｶ")},  {sjis("が"), sjis("ガ"), sjis("ｶﾞ")},
    {sjis("き"), sjis("キ"), sjis("ｷ")},  {sjis("ぎ"), sjis("ギ"), sjis("ｷﾞ")},
    {sjis("く"), sjis("ク"), sjis("ｸ")},  {sjis("ぐ"), sjis("グ"), sjis("ｸﾞ")},
    {sjis("け"), sjis("ケ"), sjis("ｹ")},  {sjis("げ"), sjis("ゲ"), sjis("ｹﾞ")},
    {sjis("こ"), sjis("コ"), sjis("ｺ")},  {sjis("ご"), sjis("ゴ"), sjis("ｺﾞ")},
    {sjis("さ"), sjis("サ"), sjis("ｻ")},  {sjis("ざ"), sjis("ザ"), sjis("ｻﾞ")},
    {sjis("し"), sjis("シ"), sjis("ｼ")},  {sjis("じ"), sjis("ジ"), sjis("ｼﾞ")},
    {sjis("す"), sjis("ス"), sjis("ｽ")},  {sjis("ず"), sjis("ズ"), sjis("ｽﾞ")},
    {sjis("せ"), sjis("セ"), sjis("ｾ")},  {sjis("ぜ"), sjis("ゼ"), sjis("ｾﾞ")},
    {sjis("そ"), sjis("ソ"), sjis("ｿ")},  {sjis("ぞ"), sjis("ゾ"), sjis("ｿﾞ")},
    {sjis("た"), sjis("タ"), sjis("ﾀ")},  {sjis("だ"), sjis("ダ"), sjis("ﾀﾞ")},
    {sjis("ち"), sjis("チ"), sjis("ﾁ")},  {sjis("ぢ"), sjis("ヂ"), sjis("ﾁﾞ")},
    {sjis("っ"), sjis("ッ"), sjis("ｯ")},  {sjis("つ"), sjis("ツ"), sjis("ﾂ")},
    {sjis("づ"), sjis("ヅ"), sjis("ﾂﾞ")}, {sjis("て"), sjis("テ"), sjis("ﾃ")},
    {sjis("で"), sjis("デ"), sjis("ﾃﾞ")}, {sjis("と"), sjis("ト"), sjis("ﾄ")},
    {sjis("ど"), sjis("ド"), sjis("ﾄﾞ")}, {sjis("な"), sjis("ナ"), sjis("ﾅ")},
    {sjis("に"), sjis("ニ"), sjis("ﾆ")},  {sjis("ぬ"), sjis("ヌ"), sjis("ﾇ")},
    {sjis("ね"), sjis("ネ"), sjis("ﾈ")},  {sjis("の"), sjis("ノ"), sjis("ﾉ")},
    {sjis("は"), sjis("ハ"), sjis("ﾊ")},  {sjis("ば"), sjis("バ"), sjis("ﾊﾞ")},
    {sjis("ぱ"), sjis("パ"), sjis("ﾊﾟ")}, {sjis("ひ"), sjis("ヒ"), sjis("ﾋ")},
    {sjis("び"), sjis("ビ"), sjis("ﾋﾞ")}, {sjis("ぴ"), sjis("ピ"), sjis("ﾋﾟ")},
    {sjis("ふ"), sjis("フ"), sjis("ﾌ")},  {sjis("ぶ"), sjis("ブ"), sjis("ﾌﾞ")},
    {sjis("ぷ"), sjis("プ"), sjis("ﾌﾟ")}, {sjis("へ"), sjis("ヘ"), sjis("ﾍ")},
    {sjis("べ"), sjis("ベ"), sjis("ﾍﾞ")}, {sjis("ぺ"), sjis("ペ"), sjis("ﾍﾟ")},
    {sjis("ほ"), sjis("ホ"), sjis("ﾎ")},  {sjis("ぼ"), sjis("ボ"), sjis("ﾎﾞ")},
    {sjis("ぽ"), sjis("ポ"), sjis("ﾎﾟ")}, {sjis("ま"), sjis("マ"), sjis("ﾏ")},
    {sjis("み"), sjis("ミ"), sjis("ﾐ")},  {sjis("む"), sjis("ム"), sjis("ﾑ")},
    {sjis("め"), sjis("メ"), sjis("ﾒ")},  {sjis("も"), sjis("モ"), sjis("ﾓ")},
    {sjis("ゃ"), sjis("ャ"), sjis("ｬ")},  {sjis("や"), sjis("ヤ"), sjis("ﾔ")},
    {sjis("ゅ"), sjis("ュ"), sjis("ｭ")},  {sjis("ゆ"), sjis("ユ"), sjis("ﾕ")},
    {sjis("ょ"), sjis("ョ"), sjis("ｮ")},  {sjis("よ"), sjis("ヨ"), sjis("ﾖ")},
    {sjis("ら"), sjis("ラ"), sjis("ﾗ")},  {sjis("り"), sjis("リ"), sjis("ﾘ")},
    {sjis("る"), sjis("ル"), sjis("ﾙ")},  {sjis("れ"), sjis("レ"), sjis("ﾚ")},
    {sjis("ろ"), sjis("ロ"), sjis("ﾛ")},  {sjis("ゎ"), sjis("ヮ"), sjis("ﾜ")},
    {sjis("わ"), sjis("ワ"), sjis("ﾜ")},  {sjis("ゐ"), sjis("ヰ"), sjis("ｲ")},
    {sjis("ゑ"), sjis("ヱ"), sjis("ｴ")},  {sjis("を"), sjis("ヲ"), sjis("ｦ")},
    {sjis("ん"), sjis("ン"), sjis("ﾝ")},  {nullptr, sjis("ヴ"), sjis("ｳﾞ")},
    {nullptr, sjis("ヵ"), sjis("ｶ")},     {nullptr, sjis("ヶ"), sjis("ｹ")},
    {nullptr, sjis("ー"), sjis("ｰ")},     {nullptr, sjis("゛"), sjis("ﾞ")},
    {nullptr, sjis("゜"), sjis("ﾟ")},     {nullptr, sjis("、"), sjis("､")},
    {nullptr, sjis("。"), sjis("｡")},     {nullptr, sjis("・"), sjis("･")},
    {nullptr, sjis("「"), sjis("｢")},     {nullptr, sjis("」"), sjis("｣")},
};

// Full-width Latin letters, digits and space and their ASCII forms, character by character.
constexpr std::string_view FullWidthLatin = sjis(
    "　０１２３４５６７８９ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ");
constexpr std::string_view HalfWidthLatin
    = " 0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
static_assert(FullWidthLatin.size() == 2 * HalfWidthLatin.size());

std::optional<std::string_view> halfWidthOf(std::string_view character)
{
    for (const KanaForm &form : KanaForms) {
        if (character == form.fullWidth || (form.hiragana && character == form.hiragana))
            return form.halfWidth;
    }
    for (size_t i = 0; i < HalfWidthLatin.size(); ++i) {
        if (character == FullWidthLatin.substr(2 * i, 2))
            return HalfWidthLatin.substr(i, 1);
    }
    return std::nullopt;
}

std::string joined(std::string_view reading, const NameEditState &name, std::string_view added)
{
    if (!name.empty && !name.wholeTextSelected)
        return std::string(reading) + std::string(added);
    return std::string(added);
}

} // namespace

std::optional<std::string> halfWidthReading(std::string_view text)
{
    std::string reading;
    size_t at = 0;
    while (at < text.size()) {
        const unsigned char byte = static_cast<unsigned char>(text[at]);
        if (!isSjisLeadByte(byte)) {
            if (!isReadingCharacter(byte))
                return std::nullopt;
            reading += char(byte);
            ++at;
            continue;
        }
        const std::optional<std::string_view> half = halfWidthOf(text.substr(at, 2));
        if (!half)
            return std::nullopt;
        reading += *half;
        at += 2;
    }
    return reading;
}

bool isReadingCharacter(unsigned char character)
{
    return (character >= 32 && character <= 126) || (character >= 161 && character <= 223);
}

std::optional<std::string> readingAfterCommit(std::string_view reading, int readingLength,
                                              const NameEditState &name, std::string_view committed)
{
    if (readingLength <= 0)
        return std::nullopt;
    const std::optional<std::string> added = halfWidthReading(committed);
    if (!added || added->empty())
        return std::nullopt;
    return std::string(sjisCut(joined(reading, name, *added), size_t(readingLength)));
}

std::optional<std::string> readingAfterTyping(std::string_view reading, int readingLength,
                                              const NameEditState &name, unsigned char character)
{
    if (!isReadingCharacter(character) || reading.size() >= size_t(std::max(readingLength, 0)))
        return std::nullopt;
    return joined(reading, name, std::string_view(reinterpret_cast<const char *>(&character), 1));
}

} // namespace views
