#include "platform/serial/MSComm.h"
#include "platform/runtime/RuntimeError.h"
#include "support/ParTerminales.h"

#include <QByteArray>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <termios.h>
#include <thread>

namespace {

class MSCommTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(par.listo()) << par.error().toStdString();
        ASSERT_TRUE(par.abrir());
    }

    support::ParTerminales par;
    QList<int> pedidos;
    serial::MSComm puerto{[this](int n) {
        pedidos << n;
        return par.extremoPrograma();
    }};
};

// A call that raises the control's error `numero`.
auto falla(long numero)
{
    return testing::Throws<rt::RuntimeError>(testing::Field(&rt::RuntimeError::Number, numero));
}

TEST_F(MSCommTest, TheChosenPortOpensAtNineThousandSixHundredEightNoneOneAndSendsBytesUnchanged)
{
    puerto.setCommPort(3);
    puerto.setPortOpen(true);
    ASSERT_TRUE(puerto.PortOpen());
    EXPECT_EQ(pedidos, QList<int>{3});
    termios modo{};
    ASSERT_EQ(tcgetattr(par.descriptorPrograma(), &modo), 0);
    EXPECT_EQ(cfgetospeed(&modo), speed_t(B9600));
    EXPECT_EQ(modo.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_EQ(modo.c_cflag & (PARENB | CSTOPB | CRTSCTS), tcflag_t(0));
    const QByteArray bytes("\x1b!\x20\x0d\x1b"
                           "a\x01"
                           "MESA:4\n\x00\xff\xe9\n\x1dV\x00",
                           20);
    puerto.setOutput(bytes);
    puerto.setPortOpen(false);
    EXPECT_FALSE(puerto.PortOpen());
    EXPECT_EQ(par.leer(bytes.size()), bytes);
}

TEST_F(MSCommTest, ClosingWaitsUntilEveryByteHasLeft)
{
    // More than the pseudo-terminals hold: closing must wait for the reader.
    const QByteArray bytes(256 * 1024, 'x');
    QByteArray recibidos;
    std::thread lector([&] { recibidos = par.leer(bytes.size(), 20000); });
    puerto.setPortOpen(true);
    puerto.setOutput(bytes);
    puerto.setPortOpen(false);
    lector.join();
    EXPECT_EQ(recibidos.size(), bytes.size());
}

// The terminal device a descriptor is open on; 0 when it is not open on one.
dev_t terminalDe(int descriptor)
{
    struct stat estado { };
    return fstat(descriptor, &estado) == 0 && S_ISCHR(estado.st_mode) ? estado.st_rdev : 0;
}

// A system queue that never empties, on a clock that moves only while the port waits for it;
// it notes the time at which the bytes are dropped, and whether the descriptor they are dropped
// from was still open on the line (`linea`: the test's own descriptor of the program's end).
class ColaDetenida : public serial::ColaSalida {
public:
    ColaDetenida(qint64 enCola, int linea)
        : m_enCola(enCola)
        , m_linea(terminalDe(linea))
    {
    }
    qint64 pendientes(qintptr) override { return m_enCola; }
    void descartar(qintptr descriptor) override
    {
        descartes << reloj;
        enLinea << (m_linea != 0 && terminalDe(static_cast<int>(descriptor)) == m_linea);
    }
    qint64 ahoraMs() override { return reloj; }
    void esperar(qint64 ms) override { reloj += ms; }

    qint64 reloj = 100000;
    QList<qint64> descartes;
    QList<bool> enLinea;

private:
    qint64 m_enCola;
    dev_t m_linea;
};

TEST_F(MSCommTest, ALineThatNeverEmptiesIsDroppedAndClosedOnceItsBytesTimeAndFiveSecondsHavePassed)
{
    const struct {
        int escritos;
        qint64 enCola;
        qint64 plazoMs; // (escritos + enCola) x 10 bits x 1000 / 9600 baud + 5000
    } casos[] = {{960, 1920, 8000}, {1, 9600, 15001}};
    for (const auto &caso : casos) {
        auto propia = std::make_unique<ColaDetenida>(caso.enCola, par.descriptorPrograma());
        ColaDetenida &cola = *propia;
        serial::MSComm detenido([this](int) { return par.extremoPrograma(); }, std::move(propia));
        detenido.setPortOpen(true);
        detenido.setOutput(QByteArray(caso.escritos, 'x'));
        const qint64 inicio = cola.reloj;
        EXPECT_THAT([&] { detenido.setPortOpen(false); }, falla(8020)) << caso.plazoMs;
        EXPECT_FALSE(detenido.PortOpen()) << caso.plazoMs;
        ASSERT_EQ(cola.descartes.size(), 1) << caso.plazoMs;
        EXPECT_GE(cola.descartes[0] - inicio, caso.plazoMs);
        EXPECT_LT(cola.descartes[0] - inicio, caso.plazoMs + 10) << "one look at the queue past the deadline";
        EXPECT_TRUE(cola.enLinea[0]) << "dropped while the port is still open";
    }
}

TEST(MSCommSinDispositivo, APortWithoutADeviceCannotBeOpened)
{
    serial::MSComm puerto([](int) { return QStringLiteral("/nonexistent/ttyS9"); });
    EXPECT_THAT([&] { puerto.setCommPort(0); }, falla(8002));
    EXPECT_THAT([&] { puerto.setPortOpen(true); }, falla(8002));
    EXPECT_FALSE(puerto.PortOpen());
    EXPECT_THAT([&] { puerto.setOutput("x"); }, falla(8012));
}

} // namespace
