// Runs the public npm codec over every file of a folder that ends in one
// suffix and writes the result beside it under another:
//   node qfs_tool.mjs MODULES pack|unpack FOLDER FROM_SUFFIX TO_SUFFIX
import { readdirSync, readFileSync, writeFileSync } from 'fs';
import { join } from 'path';
import { pathToFileURL } from 'url';

const [modules, command, folder, from, to] = process.argv.slice(2);
const { compress, decompress } = await import(pathToFileURL(join(modules, 'qfs-compression', 'index.js')).href);
for (const name of readdirSync(folder)) {
  if (!name.endsWith(from)) continue;
  const input = readFileSync(join(folder, name));
  const output = command === 'pack' ? compress(input) : decompress(input);
  writeFileSync(join(folder, name.slice(0, -from.length) + to), output);
}
