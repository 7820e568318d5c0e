# Writes the seed corpus of fuzz_session_inputs: whole games entered by hand
# (tiles, chips, players, initial placement, then turns). Run by hand.
import os, random
here = os.path.dirname(os.path.abspath(__file__))
STANDARD = [0,0,0,0,1,1,1,1,2,2,2,3,3,3,4,4,4,4,5,7,7,7,7,8,9,10,11,12]
def setup(options, seed):
    # Options, the answers' seed, the board by hand unless generated (tiles,
    # then the two chips), and the players seated and ordered.
    out = [options, seed & 255]
    if not options & 4:
        for t in STANDARD if not options & 1 else []:
            out += [0, t]
        out += [19, 0, 19, 1]
    return out + [3, 2 if options & 1 else 0, 4, seed & 255]
def game(options, seed, turns):
    rnd = random.Random(seed)
    out = setup(options, seed)
    out += [19, rnd.randrange(256)] * 40
    for _ in range(turns):
        out += [6, rnd.choice([2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 7])]
        out += [7, 0]
        out += [19, rnd.randrange(256)] * 2
        out += [rnd.choice([8, 10, 16, 17, 12, 15, 18]), rnd.randrange(256)]
        out += [19, rnd.randrange(256)]
        out += [9, 0]
    return bytes(out)
def compact_game(options, seed, turns):
    # The same game without idle inputs, so that many turns fit in the input
    # length the fuzzer is held to: one click per initial placement step, and
    # per turn a roll, its Continue, a click (the robber on a seven), an
    # action, a click on an offered site and End Turn.
    rnd = random.Random(seed)
    out = setup(options, seed)
    for _ in range(4 * (5 if options & 1 else 3)):
        out += [19, rnd.randrange(256)]
    for _ in range(turns):
        out += [6, rnd.choice([2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 7]), 7, 0, 19, rnd.randrange(256)]
        out += [rnd.choice([8, 10, 16, 17, 12, 15, 18]), rnd.randrange(256), 19, rnd.randrange(256), 9, 0]
    return bytes(out)
os.makedirs(os.path.join(here, 'corpus'), exist_ok=True)
for name, opts, seed, turns in [('standard_tracked', 2, 11, 60), ('standard_untracked', 0, 12, 40),
                                ('large_generated_tracked', 7, 13, 60), ('standard_generated', 4, 14, 30)]:
    with open(os.path.join(here, 'corpus', name), 'wb') as f:
        f.write(game(opts, seed, turns))
for name, opts, seed, turns in [('compact_generated_tracked', 6, 21, 13), ('compact_large_generated', 5, 22, 12),
                                ('compact_tracked', 2, 23, 8)]:
    with open(os.path.join(here, 'corpus', name), 'wb') as f:
        f.write(compact_game(opts, seed, turns))
