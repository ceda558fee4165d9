#include "platform/serial/MSComm.h"
#include "platform/runtime/RuntimeError.h"
#include "support/ParTerminales.h"

#include <QByteArray>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
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

TEST_F(MSCommTest, MisuseRaisesTheControlsErrors)
{
    EXPECT_THAT([&] { puerto.setCommPort(0); }, falla(8002));
    EXPECT_THAT([&] { puerto.setOutput("x"); }, falla(8012));
    EXPECT_NO_THROW(puerto.setPortOpen(false));
    puerto.setPortOpen(true);
    EXPECT_THAT([&] { puerto.setPortOpen(true); }, falla(8005));
    EXPECT_THAT([&] { puerto.setCommPort(2); }, falla(8005));
    puerto.setPortOpen(false);
    EXPECT_EQ(puerto.CommPort(), 1);
}

TEST(MSCommSinDispositivo, ADeviceThatIsNotThereCannotBeOpened)
{
    serial::MSComm puerto([](int) { return QStringLiteral("/nonexistent/ttyS9"); });
    try {
        puerto.setPortOpen(true);
        FAIL() << "opened";
    } catch (const rt::RuntimeError &error) {
        EXPECT_EQ(error.Number, 8002);
        EXPECT_TRUE(error.Description.contains("/nonexistent/ttyS9")) << error.Description.toStdString();
    }
    EXPECT_FALSE(puerto.PortOpen());
}

TEST(MSCommSinDispositivo, PortNNamesTheSystemsSerialDeviceNMinusOne)
{
    EXPECT_EQ(serial::MSComm::defaultDevice(1), "/dev/ttyS0");
    EXPECT_EQ(serial::MSComm::defaultDevice(10), "/dev/ttyS9");
}

} // namespace
