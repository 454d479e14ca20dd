#include "frontends/index/ZTPertinenceScorer.h"

#include <new>

#include "core/ZTErrors.h"
#include "find/ZTCursorScorer.h"

ZT_DEFINE_ZTIID(ZTPertinenceScorer, ZTIIndexScorer,
                {0x612f9d46, 0x28c8, 0x4e2e, {0xb3, 0xc6, 0x67, 0x6d, 0x1a, 0x12, 0x9f, 0x34}})

ZTPertinenceScorer::ZTPertinenceScorer()
    : m_pScorer(nullptr), m_auScores{100, 20, 10, 5, 4, 3, 2, 1} {}

ZTPertinenceScorer::~ZTPertinenceScorer() {
  ztRelease(m_pScorer);
}

int ZTPertinenceScorer::SetElementaryScores(const unsigned* scores) {
  if (!scores) return ZT_E_INVALID;
  for (unsigned k = 0; k < kBits; ++k) m_auScores[k] = scores[k];
  return ZT_OK;
}

int ZTPertinenceScorer::Init(unsigned documents) {
  ztRelease(m_pScorer);
  m_pScorer = new (std::nothrow) ZTCursorScorer();
  if (!m_pScorer) return ZTError(ZT_E_NOMEM, "[ZTPertinenceScorer::Init] Out of memory");
  return m_pScorer->Init(documents, 0);
}

int ZTPertinenceScorer::AddScore(unsigned rank, unsigned, unsigned structure,
                                 unsigned occurrences) {
  if (!m_pScorer) return ZT_E_FAILED;
  PRUint64 weight = 0;
  for (unsigned k = 0; k < kBits; ++k) {
    if (structure & (1u << k)) weight += m_auScores[k];
  }
  weight *= occurrences;
  return m_pScorer->AddToUnsignedScore(
      rank, weight > PR_UINT32_MAX ? PR_UINT32_MAX : static_cast<PRUint32>(weight));
}

int ZTPertinenceScorer::GetCursorScorer(ZTCursorScorer** ppOut) {
  if (!ppOut) return ZT_E_NULLOUT;
  *ppOut = m_pScorer;
  if (m_pScorer) m_pScorer->AddRef();
  return ZT_OK;
}
