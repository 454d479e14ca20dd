// Folding 10 MB of mixed text (accented Latin, Greek, Cyrillic, ASCII) to lower case without
// diacritics: the Unicode simplifier ("uni_case,uni_comp") beside ICU doing the equivalent
// transform (NFD, remove nonspacing marks, lower case, NFC), through its transliterator and
// through its normalizer directly, UTF-8 in and out in every case.
#include <benchmark/benchmark.h>
#include <prmem.h>
#include <unicode/normalizer2.h>
#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>

#include "modules/unicode/ztStringUnicodeSimplifier.h"

namespace {

const size_t kTextBytes = 10 * 1024 * 1024;

// Words drawn from four scripts, with capitals and accents.
const std::string& MixedText() {
  static const std::string s_text = [] {
    const char* words[] = {"\xC3\x89T\xC3\x89",
                           "d\xC3\xA9j\xC3\xA0",
                           "Fran\xC3\xA7ois",
                           "na\xC3\xAFve",
                           "\xC3\x85ngstr\xC3\xB6m",
                           "stra\xC3\x9F"
                           "e",
                           "\xCE\x86\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1",
                           "\xCE\xBB\xCF\x8C\xCE\xB3\xCE\xBF\xCF\x82",
                           "\xCE\x8C\xCE\xBC\xCE\xB7\xCF\x81\xCE\xBF\xCF\x82",
                           "\xD0\x99\xD0\xBE\xD1\x80\xD0\xBA",
                           "\xD0\x81\xD0\xBB\xD0\xBA\xD0\xB0",
                           "\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0",
                           "dictionary",
                           "The",
                           "reference",
                           "works",
                           "ENCYCLOPAEDIA",
                           "1854,"};
    std::mt19937 random(7);
    std::string text;
    while (text.size() < kTextBytes) {
      text += words[random() % (sizeof(words) / sizeof(words[0]))];
      text += ' ';
    }
    return text;
  }();
  return s_text;
}

void BM_ZtUnicodeSimplifier(benchmark::State& state) {
  const std::string& text = MixedText();
  ztStringUnicodeSimplifier* simplifier = nullptr;
  ztStringUnicodeSimplifier::_CreateInstance("uni_case,uni_comp", &simplifier);
  for (auto _ : state) {
    char* out = nullptr;
    if (simplifier->SimplifyToNew(text.c_str(), &out, nullptr) != 0) state.SkipWithError("fold");
    benchmark::DoNotOptimize(out);
    PR_Free(out);
  }
  state.SetBytesProcessed(state.iterations() * text.size());
  simplifier->Release();
}
BENCHMARK(BM_ZtUnicodeSimplifier)->Unit(benchmark::kMillisecond);

// The transliterator slows down sharply on one huge string: it folds the text in pieces of
// about 64 KB cut at blanks.
void BM_IcuTransliterator(benchmark::State& state) {
  const std::string& text = MixedText();
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Transliterator> fold(icu::Transliterator::createInstance(
      "NFD; [:Nonspacing Mark:] Remove; Lower; NFC", UTRANS_FORWARD, status));
  if (U_FAILURE(status)) state.SkipWithError("transliterator");
  for (auto _ : state) {
    std::string out;
    for (size_t begin = 0; begin < text.size();) {
      size_t end = text.find(' ', std::min(begin + 65536, text.size() - 1));
      end = end == std::string::npos ? text.size() : end + 1;
      icu::UnicodeString piece = icu::UnicodeString::fromUTF8(
          icu::StringPiece(text.data() + begin, static_cast<int32_t>(end - begin)));
      fold->transliterate(piece);
      piece.toUTF8String(out);
      begin = end;
    }
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_IcuTransliterator)->Unit(benchmark::kMillisecond);

void BM_IcuNormalizer(benchmark::State& state) {
  const std::string& text = MixedText();
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
  const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
  if (U_FAILURE(status)) state.SkipWithError("normalizer");
  for (auto _ : state) {
    icu::UnicodeString decomposed = nfd->normalize(icu::UnicodeString::fromUTF8(text), status);
    icu::UnicodeString bare;
    for (int32_t i = 0; i < decomposed.length();) {
      const UChar32 c = decomposed.char32At(i);
      if (u_charType(c) != U_NON_SPACING_MARK) bare.append(c);
      i += U16_LENGTH(c);
    }
    std::string out;
    nfc->normalize(bare.toLower(), status).toUTF8String(out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_IcuNormalizer)->Unit(benchmark::kMillisecond);

}  // namespace
