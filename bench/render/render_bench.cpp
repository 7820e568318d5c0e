// Renderer figures on this machine's GL (Mesa llvmpipe through OSMesa):
// frames per second of the full board at 1280 x 800, the time of one pick
// after a warm-up pick, and texture loading time. Each figure is also given
// as a ratio to a reference measured in the same run (a frame that only
// clears the buffers). Usage: render_bench [data directory]

#include <GL/gl.h>

#include <chrono>
#include <ctime>
#include <cstdio>
#include <string>

#include "engine/board/board.h"
#include "engine/board/placement_rules.h"
#include "engine/session/game_state.h"
#include "offscreen_context.h"
#include "render/board_scene.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWidth = 1280;
constexpr int kHeight = 800;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Wall-clock and process CPU time (all threads, so llvmpipe's rasterizer
// threads count too) of one run. On a busy machine the wall time grows with
// the load of other processes; the CPU time stays close to the work done.
struct Timing {
  double wallMs = 0.0;
  double cpuMs = 0.0;
};

// Runs `work` until at least `minimum` ms have passed; returns the time per run.
template <typename Work>
Timing TimePerRun(Work work, double minimum = 1500.0) {
  int runs = 0;
  const std::clock_t cpuStart = std::clock();
  const auto start = Clock::now();
  do {
    work();
    ++runs;
  } while (MillisecondsSince(start) < minimum);
  const double cpuMs = double(std::clock() - cpuStart) * 1000.0 / CLOCKS_PER_SEC;
  return {MillisecondsSince(start) / runs, cpuMs / runs};
}

CBoard GameBoard() {
  CLibraryRandom source;
  source.Seed(11);
  CBoardRandom random(source, [] { return std::int64_t(5000); });
  CBoard board(BoardKind::Standard, random);
  board.Generate(random);
  int player = 0;
  for (CornerId corner : OfferedInitialSettlements(board)) {
    if (!PassesDistanceRule(board, corner)) continue;
    board.SetBuilding(corner, player % 2 ? CityCode(player % 4) : SettlementCode(player % 4));
    board.SetRoad(MakeEdgeId(IdPosition(corner), IdIndex(corner)), player % 4);
    if (++player == 12) break;
  }
  return board;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dataDirectory = argc > 1 ? argv[1] : H3D_BENCH_DATA_DIR;
  COffscreenContext context(kWidth, kHeight);
  if (!context.Ok()) {
    std::fprintf(stderr, "no off-screen GL context\n");
    return 1;
  }
  std::printf("GL renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));

  CBoardScene scene;
  int messages = 0;
  scene.Textures().SetDataDirectory(dataDirectory);
  scene.Textures().SetMessageSink([&](const std::string& m) {
    if (messages++ == 0) std::fprintf(stderr, "%s\n", m.c_str());
  });
  auto start = Clock::now();
  scene.Create(BoardKind::Standard, kWidth, kHeight);
  const double createMs = MillisecondsSince(start);

  CBoard board = GameBoard();
  CSceneInput in;
  in.ShowBoard(board);
  in.gameState = Turn;
  in.pickEnabled = true;
  scene.Camera().tilt = -45.0;
  scene.Camera().spin = 20.0;

  const Timing clear = TimePerRun([] {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glFinish();
  });
  const Timing frame = TimePerRun([&] {
    scene.DrawScene(in);
    glFinish();
  });

  in.gameState = PlaceRobber;
  scene.Pick(in, kWidth / 2, kHeight / 2);  // the first pick pays Mesa's set-up
  const Timing pick = TimePerRun([&] { scene.Pick(in, kWidth / 2, kHeight / 2); }, 1000.0);

  const Timing tileLoad[4] = {
      TimePerRun([&] { scene.Textures().SetTextureSize(0); }, 500.0),
      TimePerRun([&] { scene.Textures().SetTextureSize(1); }, 500.0),
      TimePerRun([&] { scene.Textures().SetTextureSize(2); }, 500.0),
      TimePerRun([&] { scene.Textures().SetTextureSize(3); }, 500.0)};
  start = Clock::now();
  scene.Textures().LoadChipTextures(BoardKind::Standard);
  const double chipLoadMs = MillisecondsSince(start);
  scene.Destroy();

  if (messages > 0) std::printf("texture messages: %d (archives missing?)\n", messages);
  std::printf("                             wall ms   cpu ms\n");
  std::printf("reference clear-only frame: %8.3f %8.3f\n", clear.wallMs, clear.cpuMs);
  std::printf("full board frame 1280x800:  %8.3f %8.3f  = %.1f fps wall, %.1f fps by cpu time"
              "  (%.1f x reference)\n",
              frame.wallMs, frame.cpuMs, 1000.0 / frame.wallMs, 1000.0 / frame.cpuMs,
              frame.cpuMs / clear.cpuMs);
  std::printf("pick after warm-up:         %8.3f %8.3f  (%.2f x a frame)\n", pick.wallMs,
              pick.cpuMs, pick.cpuMs / frame.cpuMs);
  std::printf("scene creation (GL state, lists, chip + 256 textures): %.1f ms wall\n", createMs);
  std::printf("tile textures 512 / 256 / 128 / 64 with mipmaps, cpu ms: %.1f / %.1f / %.1f / %.1f\n",
              tileLoad[0].cpuMs, tileLoad[1].cpuMs, tileLoad[2].cpuMs, tileLoad[3].cpuMs);
  std::printf("chip textures (18): %.1f ms\n", chipLoadMs);
  return 0;
}
