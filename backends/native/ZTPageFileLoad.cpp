// ZTPageFile: loading ranges, records and pages into fragments.
#include "backends/native/ZTNativeErrors.h"
#include "backends/native/ZTPageFile.h"
#include "backends/native/ZTPageFileFragment.h"
#include "core/ZTErrors.h"

namespace {

// Short plain reads are widened so that neighbouring small values come from one read.
const PRUint32 kMinPlainRead = 1024;

// Whether [first, first + count) lies inside [0, total), without overflow.
bool RangeInside(PRUint32 first, PRUint32 count, PRUint32 total) {
  return count <= total && first <= total - count;
}

}  // namespace

ZTPageFileFragment* ZTPageFile::FindFragment(PRUint32 offset, PRUint32 length) const {
  for (PRUint32 i = 0; i < m_uFragmentCount; ++i) {
    if (m_ppFragments[i]->Contains(offset, length)) return m_ppFragments[i];
  }
  return nullptr;
}

int ZTPageFile::ChooseStatic(PRUint32 offset, PRUint32 length, ZTPageFileFragment** ppTarget,
                             bool* pbExtend) {
  ZTPageFileFragment* last = m_uFragmentCount > 1 ? m_ppFragments[m_uFragmentCount - 1] : nullptr;
  // Only plain files come here (compressed ones share their kept blocks instead).
  const bool usable = last && offset >= last->GetStart() && offset <= last->GetEnd();
  if (usable) {
    last->AddRef();
    *ppTarget = last;
    *pbExtend = !last->Contains(offset, length);
    return ZT_OK;
  }
  *pbExtend = false;
  return AppendFragment(ppTarget);
}

int ZTPageFile::FillCompressed(ZTPageFileFragment* target, PRUint32 offset, PRUint32 length) {
  const PRInt32 first = m_catalog.FindBlock(offset);
  if (first < 0) {
    return ZTError(ZT_NATIVE_E_BLOCK, "[ZTPageFile::Load] Invalid non-compressed offset %lld",
                   static_cast<long long>(offset));
  }
  // A range that passes the end of its block goes on in the blocks after it.
  const PRInt32 last = length == 0 ? first
                       : RangeInside(offset, length, m_uLogicalSize)
                           ? m_catalog.FindBlock(offset + length - 1)
                           : -1;
  if (last < 0) {
    return ZTError(ZT_NATIVE_E_RANGE,
                   "[ZTPageFile::Load] The range of %llu bytes at %llu passes the end of %s",
                   static_cast<unsigned long long>(length), static_cast<unsigned long long>(offset),
                   m_pcPath);
  }
  if (target == m_pMain) KeepMainBlock();
  const int rc = target->LoadBlocks(m_pFd, &m_catalog.GetEntry(first),
                                    static_cast<PRUint32>(last - first + 1), m_pcPath);
  if (!rc) SetCurrent(target, offset - target->GetStart());
  return rc;
}

ZTPageFileFragment* ZTPageFile::FindKeptBlock(PRUint32 offset, PRUint32 length) const {
  ZTPageFileFragment* kept = m_kept.Find(m_catalog.FindBlock(offset));
  return kept && kept->Contains(offset, length) ? kept : nullptr;
}

void ZTPageFile::KeepMainBlock() {
  if (m_pMain->GetLength() == 0) return;
  // The current fragment may be a kept block about to leave.
  SetCurrent(m_pMain, 0);
  ZTPageFileFragment* kept = new ZTPageFileFragment(nullptr);
  kept->Swap(m_pMain);
  m_kept.Keep(m_catalog.FindBlock(kept->GetStart()), kept);
}

// Static requests on a compressed file share the kept blocks: the caller gets a reference to
// a fragment of the cache's (or to a fragment of its own when the cache cannot keep it).
int ZTPageFile::LoadKeptStatic(PRUint32 offset, PRUint32 length, ZTPageFileFragment** ppStatic) {
  ZTPageFileFragment* fragment = FindKeptBlock(offset, length);
  if (fragment) {
    fragment->AddRef();
  } else {
    fragment = new ZTPageFileFragment(nullptr);
    const int rc = Fill(fragment, false, offset, length);
    if (rc) {
      fragment->Release();
      return rc;
    }
    fragment->AddRef();
    m_kept.Keep(m_catalog.FindBlock(offset), fragment);
  }
  SetCurrentKept(fragment, offset - fragment->GetStart());
  *ppStatic = fragment;
  return ZT_OK;
}

int ZTPageFile::FillPlain(ZTPageFileFragment* target, bool extend, PRUint32 offset,
                          PRUint32 length) {
  if (!RangeInside(offset, length, m_uLogicalSize)) {
    return ZTError(ZT_NATIVE_E_RANGE,
                   "[ZTPageFile::Load] The range of %llu bytes at %llu passes the end of %s (%llu "
                   "bytes)",
                   static_cast<unsigned long long>(length), static_cast<unsigned long long>(offset),
                   m_pcPath ? m_pcPath : "(none)", static_cast<unsigned long long>(m_uLogicalSize));
  }
  if (extend) {
    int rc = target->AppendFromFile(m_pFd, offset, length, nullptr, 0);
    if (!rc) SetCurrent(target, offset - target->GetStart());
    return rc;
  }
  PRUint32 read = length;
  if (read < kMinPlainRead) {
    const PRUint32 rest = m_uLogicalSize - offset;
    read = rest < kMinPlainRead ? rest : kMinPlainRead;
  }
  int rc = target->LoadFromFile(m_pFd, offset, read, offset, read, false, m_pcPath, nullptr, 0);
  if (!rc) SetCurrent(target, 0);
  return rc;
}

int ZTPageFile::Fill(ZTPageFileFragment* target, bool extend, PRUint32 offset, PRUint32 length) {
  TakeUse();
  int rc = OpenOnDemand();
  if (rc || !m_pFd) {
    GiveBackUse();
    return ZTError(ZT_NATIVE_E_NOTOPEN, "[ZTPageFile::Load] the file %s is not open",
                   m_pcPath ? m_pcPath : "(none)");
  }
  rc = m_bCompressed ? FillCompressed(target, offset, length)
                     : FillPlain(target, extend, offset, length);
  GiveBackUse();
  return rc;
}

int ZTPageFile::Load(PRUint32 offset, PRUint32 length, ZTPageFileFragment** ppStatic) {
  ZTPageFileFragment* target = m_pMain;
  bool extend = false;
  if (ppStatic && m_bCompressed) {
    *ppStatic = nullptr;
    return LoadKeptStatic(offset, length, ppStatic);
  }
  if (ppStatic) {
    *ppStatic = nullptr;
    int rc = ChooseStatic(offset, length, &target, &extend);
    if (rc) return rc;
    if (!extend && target->Contains(offset, length)) {
      SetCurrent(target, offset - target->GetStart());
      *ppStatic = target;
      return ZT_OK;
    }
  } else if (m_pCurrentHold && m_pCurrentHold->Contains(offset, length)) {
    // The kept block read last serves the next range too, most often.
    m_uCurrentOffset = offset - m_pCurrentHold->GetStart();
    return ZT_OK;
  } else if (ZTPageFileFragment* holder = FindFragment(offset, length)) {
    SetCurrent(holder, offset - holder->GetStart());
    return ZT_OK;
  } else if (ZTPageFileFragment* kept = m_bCompressed ? FindKeptBlock(offset, length) : nullptr) {
    SetCurrentKept(kept, offset - kept->GetStart());
    return ZT_OK;
  }
  int rc = Fill(target, extend, offset, length);
  if (!ppStatic) return rc;
  if (rc) {
    target->Release();
    return rc;
  }
  *ppStatic = target;
  return ZT_OK;
}

int ZTPageFile::CheckRecords(const char* caller, PRUint32 first, PRUint32 count) {
  if (m_uRecordSize == 0) {
    return ZTError(ZT_NATIVE_E_NORECORDS, "[ZTPageFile::%s] No fixed-length records in file %s",
                   caller, m_pcPath ? m_pcPath : "(none)");
  }
  const PRInt32 records = GetRecordCount();
  if (!RangeInside(first, count, static_cast<PRUint32>(records))) {
    return ZTError(ZT_NATIVE_E_ARGS,
                   "[ZTPageFile::%s] Invalid arguments (lRecordNum=%d, lRecordCount=%d, "
                   "GetRecordCount()=%d",
                   caller, static_cast<int>(first), static_cast<int>(count), records);
  }
  return ZT_OK;
}

int ZTPageFile::LoadRecord(PRUint32 first, PRUint32 count) {
  int rc = CheckRecords("LoadRecord", first, count);
  return rc ? rc : Load(first * m_uRecordSize, count * m_uRecordSize, nullptr);
}

int ZTPageFile::LoadPage(PRUint32 page) {
  const PRInt32 pages = GetPageCount();
  if (pages <= 0 || page >= static_cast<PRUint32>(pages)) {
    return ZTError(ZT_NATIVE_E_ARGS, "[ZTPageFile::LoadPage] Invalid arguments");
  }
  const PRUint32 records = static_cast<PRUint32>(GetRecordCount());
  PRUint32 count = m_uPageSize + 1;
  if (page + 1 == static_cast<PRUint32>(pages)) {
    count = records % m_uPageSize ? records % m_uPageSize : m_uPageSize;
  }
  return LoadRecord(page * m_uPageSize, count);
}

int ZTPageFile::HandOutStatic(PRUint32 first, PRUint32 count, ZTPageFileFragment** ppFragment,
                              bool* pbDone) {
  ZTPageFileFragment* holder = FindFragment(first * m_uRecordSize, count * m_uRecordSize);
  *pbDone = holder != nullptr;
  if (!holder) return ZT_OK;
  if (holder != m_pMain || m_eOpenMode == PREMAPPED) {
    holder->AddRef();
    *ppFragment = holder;
    return ZT_OK;
  }
  // The main fragment's bytes move to a fragment of the caller's own.
  ZTPageFileFragment* fragment = nullptr;
  int rc = AppendFragment(&fragment);
  if (rc) return rc;
  fragment->Swap(m_pMain);
  if (m_pCurrent == m_pMain) m_pCurrent = fragment;
  *ppFragment = fragment;
  return ZT_OK;
}

int ZTPageFile::LoadStaticRecord(PRUint32 first, PRUint32 count, ZTPageFileFragment** ppFragment) {
  if (!ppFragment) return ZT_E_INVALID;
  *ppFragment = nullptr;
  int rc = CheckRecords("LoadStaticRecord", first, count);
  bool done = false;
  if (!rc) rc = HandOutStatic(first, count, ppFragment, &done);
  if (rc || done) return rc;
  const PRUint64 records = static_cast<PRUint64>(GetRecordCount());
  const PRUint64 start = first - first % m_uPageSize;
  const PRUint64 within = first % m_uPageSize + count;
  PRUint64 n = (within / m_uPageSize + 1) * m_uPageSize + 1;
  if (n > records - start) n = records - start;
  return Load(static_cast<PRUint32>(start * m_uRecordSize),
              static_cast<PRUint32>(n * m_uRecordSize), ppFragment);
}
