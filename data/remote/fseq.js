'use strict';
// FSEQ sequences in and out: an upload made into a new pattern, and any
// pattern downloaded as a sequence. The key goes in a header, so both go
// through fetch rather than a plain link or form.

const maxUploadBytes = 64 * 1024 * 1024; // as the program takes

function fseqDownloadButton(name) {
  const button = stepButton('FSEQ', t('Download %1 as an FSEQ sequence', name));
  button.addEventListener('click', () => downloadSequence(name));
  return button;
}

async function downloadSequence(name) {
  let response;
  try {
    response = await fetch('/api/v1/' + patternPath(name) + '.fseq', { headers: { Authorization: 'Bearer ' + key } });
  } catch (unreachable) {
    showError(t('Lampotron does not answer. Is it still running, and is this device on its network?'));
    return;
  }
  if (!response.ok) {
    const reply = await response.json().catch(() => ({}));
    showError(reply.error || t('Lampotron answered %1.', response.status));
    return;
  }
  const link = document.createElement('a');
  link.href = URL.createObjectURL(await response.blob());
  link.download = name.replace(/[\/\\:*?"<>|]/g, '_') + '.fseq';
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
  clearError();
}

// XMLHttpRequest rather than fetch: it tells how far the upload is.
function uploadSequence(file, query) {
  return new Promise((resolve, reject) => {
    const request = new XMLHttpRequest();
    request.open('POST', '/api/v1/patterns/import?' + query);
    request.setRequestHeader('Authorization', 'Bearer ' + key);
    request.setRequestHeader('Content-Type', 'application/octet-stream');
    request.upload.onprogress = (progress) => {
      if (progress.lengthComputable)
        byId('importProgress').textContent = t('Sending… %1 %', Math.round(100 * progress.loaded / progress.total));
    };
    request.onload = () => {
      let reply = {};
      try { reply = JSON.parse(request.responseText); } catch (notJson) { /* the status says enough */ }
      if (request.status === 200) resolve(reply);
      else reject(new Error(reply.error || t('Lampotron answered %1.', request.status)));
    };
    request.onerror = () => reject(new Error(t('Lampotron does not answer. Is it still running, and is this device on its network?')));
    request.send(file);
  });
}

byId('importForm').addEventListener('submit', async (event) => {
  event.preventDefault();
  const file = byId('importFile').files[0];
  const progress = byId('importProgress');
  if (!file) return;
  if (file.size > maxUploadBytes) {
    progress.textContent = t('The file is over %1 MiB, more than Lampotron takes.', maxUploadBytes / 1024 / 1024);
    return;
  }
  const query = new URLSearchParams({
    name: byId('importName').value.trim(),
    channel: byId('importChannel').value,
    threshold: byId('importThreshold').value,
  });
  try {
    const made = await uploadSequence(file, query.toString());
    progress.textContent = t('“%1”: %2 steps from %3 frames of %4 ms.', made.name, made.steps, made.frames, made.frameMs);
    clearError();
    await loadPatterns();
  } catch (failure) {
    progress.textContent = failure.message;
  }
});
