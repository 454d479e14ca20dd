#include "tools/writer/detail/ztCutQueue.h"

#include <utility>

bool ztCutQueue::Push(ztCutBatch batch) {
  std::unique_lock<std::mutex> lock(m_mutex);
  m_changed.wait(lock, [this] { return m_bClosed || m_batches.size() < m_uCapacity; });
  if (m_bClosed) return false;
  m_batches.push_back(std::move(batch));
  m_changed.notify_all();
  return true;
}

bool ztCutQueue::Pop(ztCutBatch* pOut) {
  std::unique_lock<std::mutex> lock(m_mutex);
  m_changed.wait(lock, [this] { return m_bClosed || !m_batches.empty(); });
  if (m_batches.empty()) return false;
  *pOut = std::move(m_batches.front());
  m_batches.pop_front();
  m_changed.notify_all();
  return true;
}

void ztCutQueue::Close() {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_bClosed = true;
  m_changed.notify_all();
}

void ztCutQueue::Recycle(ztCutBatch batch) {
  std::lock_guard<std::mutex> lock(m_mutex);
  if (m_spares.size() < m_uCapacity) m_spares.push_back(std::move(batch));
}

ztCutBatch ztCutQueue::TakeSpare() {
  std::lock_guard<std::mutex> lock(m_mutex);
  ztCutBatch batch;
  if (!m_spares.empty()) {
    batch = std::move(m_spares.back());
    m_spares.pop_back();
  }
  return batch;
}
