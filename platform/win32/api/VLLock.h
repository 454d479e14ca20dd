// A lock that the thread holding it may take again (a critical section).
#ifndef PLATFORM_WIN32_API_VLLOCK_H_
#define PLATFORM_WIN32_API_VLLOCK_H_

class VLLock {
 public:
  virtual ~VLLock() = default;
  virtual void Enter() = 0;
  virtual void Leave() = 0;
};

// Holds a lock for a scope.
class VLLockHolder {
 public:
  explicit VLLockHolder(VLLock& lock) : m_rLock(lock) { m_rLock.Enter(); }
  ~VLLockHolder() { m_rLock.Leave(); }
  VLLockHolder(const VLLockHolder&) = delete;
  VLLockHolder& operator=(const VLLockHolder&) = delete;

 private:
  VLLock& m_rLock;
};

#endif  // PLATFORM_WIN32_API_VLLOCK_H_
