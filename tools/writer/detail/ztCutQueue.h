// ztCutQueue: the documents one thread has cut into words, handed in order to the thread that
// indexes them, in batches (one hand-over per document would make the threads wake each other
// all the time). The queue holds a few batches at most: the cutting thread waits when it is
// full, the indexing thread when it is empty; either side may close it to stop the other.
#ifndef TOOLS_WRITER_DETAIL_ZTCUTQUEUE_H_
#define TOOLS_WRITER_DETAIL_ZTCUTQUEUE_H_

#include <prtypes.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "tools/writer/detail/ztPostings.h"

// A document cut into words: each word's number (ztWordNumbers), the structure bits of its
// part and its position (its number among the document's words), in text order.
struct ztCutDocument {
  PRUint32 m_uId = 0;
  std::vector<ztOccurrence> m_occurrences;
  std::string m_marked;  // the document's HTML with its words marked
};

typedef std::vector<ztCutDocument> ztCutBatch;

class ztCutQueue {
 public:
  explicit ztCutQueue(size_t batches) : m_uCapacity(batches) {}

  // Adds a batch; false when the queue was closed (the batch is dropped).
  bool Push(ztCutBatch batch);
  // Takes the next batch; false once the queue is closed and empty.
  bool Pop(ztCutBatch* pOut);
  // No more documents: Push refuses them, Pop answers false once the queue is empty.
  void Close();
  // Hands back a batch the indexing thread is done with, for the cutting thread to fill again:
  // its documents keep the room of their occurrences, which saves an allocation and a free (in
  // another thread) per document.
  void Recycle(ztCutBatch batch);
  // A batch handed back (its documents to be cleared), or an empty one.
  ztCutBatch TakeSpare();

 private:
  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::deque<ztCutBatch> m_batches;
  std::vector<ztCutBatch> m_spares;  // at most m_uCapacity
  size_t m_uCapacity;
  bool m_bClosed = false;
};

#endif  // TOOLS_WRITER_DETAIL_ZTCUTQUEUE_H_
