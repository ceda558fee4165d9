#pragma once

#include <sys/resource.h>

// While it lives, every write that would take a file of this process past `bytes` fails, as on a
// full disk, for root too.
class LimiteDeArchivo {
public:
    explicit LimiteDeArchivo(rlim_t bytes);
    ~LimiteDeArchivo();
    LimiteDeArchivo(const LimiteDeArchivo &) = delete;
    LimiteDeArchivo &operator=(const LimiteDeArchivo &) = delete;

private:
    rlimit m_previo{};
    void (*m_senal)(int) = nullptr;
};
