// placeholder until the runner lands
