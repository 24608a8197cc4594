#pragma once
// The library's critical section and its scoped guard. Re-entrant: the holding thread
// may enter again, and the lock is free once every enter has been matched by a leave.

#include <mutex>

class CCSWrapper {
public:
    CCSWrapper() = default;
    virtual ~CCSWrapper() = default;
    CCSWrapper(const CCSWrapper&) = delete;
    CCSWrapper& operator=(const CCSWrapper&) = delete;

    void Enter() {
        m_cs.lock();
        ++m_count;
    }
    void Leave() {
        --m_count;
        m_cs.unlock();
    }
    // Only the holding thread may read this meaningfully; nothing in the library does.
    int HeldCount() const { return m_count; }

private:
    std::recursive_mutex m_cs;
    int m_count = 0;
};

class CCSGuard {
public:
    CCSGuard(CCSWrapper* lock, int enable) : m_lock(lock), m_enable(enable) {
        if (m_enable && m_lock) m_lock->Enter();
    }
    virtual ~CCSGuard() {
        if (m_enable && m_lock) m_lock->Leave();
    }
    CCSGuard(const CCSGuard&) = delete;
    CCSGuard& operator=(const CCSGuard&) = delete;

private:
    CCSWrapper* m_lock;
    int m_enable;
};
