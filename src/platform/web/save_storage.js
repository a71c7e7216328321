// Runs before the game: mounts the folder that outlives the page (platform/web/SaveStorage.cpp)
// and reads it back from IndexedDB, holding the start until it is there.
Module.preRun = Module.preRun || [];
Module.preRun.push(function () {
  FS.mkdir('/kept');
  try {
    FS.mount(IDBFS, {}, '/kept');
  } catch (error) {
    Module.qvStorageProblem = String(error);
    return;
  }
  addRunDependency('qv-kept');
  FS.syncfs(true, function (error) {
    if (error) Module.qvStorageProblem = String(error.message || error);
    removeRunDependency('qv-kept');
  });
});
