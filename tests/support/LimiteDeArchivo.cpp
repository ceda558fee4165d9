#include "support/LimiteDeArchivo.h"

#include <csignal>

LimiteDeArchivo::LimiteDeArchivo(rlim_t bytes)
{
    ::getrlimit(RLIMIT_FSIZE, &m_previo);
    const rlimit limite{bytes, m_previo.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limite);
    // The write past the limit is to fail, not to end the process.
    m_senal = std::signal(SIGXFSZ, SIG_IGN);
}

LimiteDeArchivo::~LimiteDeArchivo()
{
    ::setrlimit(RLIMIT_FSIZE, &m_previo);
    std::signal(SIGXFSZ, m_senal);
}
