#pragma once

namespace tessaro {

struct MainWindow;

// The run button: checks the game path and, for the Steam edition, the Steam client.
void BenchButtonClick(MainWindow& mw);
// The run button's game-path check: a refused path shows the window's message and
// the Paths & information page; answers whether the path was accepted.
[[nodiscard]] bool AcceptGamePath(MainWindow& mw);

void IsSteamRunning(MainWindow& mw);   // sets SteamRunning
void PollGame(MainWindow& mw);         // sets GameRunning
void WaitForGameExit(MainWindow& mw);  // the Steam edition's wait for the game itself
void StartSteamClient(MainWindow& mw);

}  // namespace tessaro
