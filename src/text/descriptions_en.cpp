// English descriptions of the seven memory types, one per band of activeness.
// One source line per text line, so that an editor can work on the wording directly.
#include "text/descriptions.hpp"

namespace mr {

// clang-format off
const DescriptionTable kEnglishDescriptions = {
    // Motorical type (sport)
    {
        // band 0
        u"About 5% :\r"
        u"Coordination does not come naturally, and every new movement is hard work.\r"
        u"Physical skills come very slowly to you.\r"
        u"Top-level sport is not for you, but the best seats are in the stands anyway.",
        // band 1
        u"About 10% :\r"
        u"Your body is slow to remember an exercise and quick to forget it.\r"
        u"Picking up a new physical skill takes you a long time.\r"
        u"Turning professional is unlikely, but a morning workout never hurt anyone.",
        // band 2
        u"About 30% :\r"
        u"Simple exercises are easy enough, but complex combinations take a lot of practice.\r"
        u"You learn new moves more slowly than most people.\r"
        u"A weekend kickabout with friends is just right for you.",
        // band 3
        u"About 35% :\r"
        u"Keeping fit costs you little effort, though your stamina sometimes flags.\r"
        u"Physical skills come to you only a little more slowly than to most.\r"
        u"Club competitions are as far as you are likely to go.",
        // band 4
        u"About 45% :\r"
        u"Coordination and balance are both on your side.\r"
        u"New sports and dances are easy for you to pick up.\r"
        u"You learn new movements at a decent pace.\r"
        u"A job as a fitness instructor is well worth considering.",
        // band 5
        u"About 55% :\r"
        u"Every movement is precise and economical, and training pays off fast.\r"
        u"Team games bring you plenty of fun and plenty of wins.\r"
        u"You pick up new moves faster than most people.\r"
        u"You would make a fine coach for a children's sports team.",
        // band 6
        u"About 65% :\r"
        u"Your motor memory is excellent. Learn a movement once,\r"
        u"and you will repeat it precisely years later.\r"
        u"Your stamina and reactions are above average.\r"
        u"New techniques come quickly, and they stay.\r"
        u"The door to professional sport is open to you.",
        // band 7
        u"About 70% :\r"
        u"Strength, flexibility and agility are in perfect balance.\r"
        u"Even the most difficult routines are well within your reach.\r"
        u"You master new techniques with remarkable ease.\r"
        u"A place in the national team is a goal worth aiming for.",
        // band 8
        u"About 90% :\r"
        u"Without exercise you feel like a fish out of water.\r"
        u"Physical skills come almost too easily, and no workload ever feels like enough.\r"
        u"An Olympic medal is within reach if your coach can keep you from overtraining.",
        // band 9
        u"About 95% :\r"
        u"Your body craves constant exercise; a day off feels like wasted time.\r"
        u"Take your rest days seriously, because they are part of training too.\r"
        u"Physical skills come to you far too easily for your own good.\r"
        u"Stunt work or test flying would suit you down to the ground.",
        // band 10
        u"About 100% :\r"
        u"You can’t sit still for a minute,\r"
        u"and other people get tired just watching you.\r"
        u"Inventors have been looking for you for centuries.\r"
        u"Aren’t you a \"Perpetuum Mobile\"?"
    },
    // Sensual type (music, the stage)
    {
        // band 0
        u"About 5% :\r"
        u"Emotions rarely show on your face,\r"
        u"and even music leaves you cold.\r"
        u"You learn very little from feelings and impressions.\r"
        u"You have nerves of steel, even if the stage is not your place.",
        // band 1
        u"About 10% :\r"
        u"Other people’s feelings are a closed book to you,\r"
        u"and your own rarely find a way out.\r"
        u"Emotional experience takes a long time to sink in.\r"
        u"There’s little danger of a career\r"
        u"as an actor or a singer.",
        // band 2
        u"About 30% :\r"
        u"Tunes soon slip from your memory, and your ear needs training.\r"
        u"You prefer to keep your feelings to yourself.\r"
        u"Feelings teach you less than they teach most people.\r"
        u"A seat in the audience suits you better than a place on the stage.",
        // band 3
        u"About 35% :\r"
        u"You feel things deeply,\r"
        u"but you cannot always show it.\r"
        u"You gladly sing along to your favourite songs, if not always in tune.\r"
        u"You learn a little less from feelings than most people do.\r"
        u"Amateur theatre, yes; the big stage, hardly.",
        // band 4
        u"About 45% :\r"
        u"Emotional memory serves you well,\r"
        u"and your ear for music is well developed.\r"
        u"Feelings teach you as much as they teach anyone.\r"
        u"Teaching music in a school would make good use of your ear.",
        // band 5
        u"About 55% :\r"
        u"You pick up the mood of whoever you are talking to\r"
        u"and can pass it on to others.\r"
        u"Music and theatre mean a great deal to you.\r"
        u"Feelings and impressions teach you well.\r"
        u"A career as a music critic was made for you.",
        // band 6
        u"About 65% :\r"
        u"Your vivid emotional presence is infectious, and audiences catch it at once.\r"
        u"The stage does not frighten you; it inspires you.\r"
        u"Feelings are your best teacher, and what moves you, you never forget.\r"
        u"Actor, singer or musician? Choose whichever you love most.",
        // band 7
        u"About 70% :\r"
        u"You are a born actor, living every feeling as if it were your own.\r"
        u"Music and drama are a second language to you, learned with ease.\r"
        u"Whether theatre, opera or pop, any big stage is yours for the taking.",
        // band 8
        u"About 90% :\r"
        u"Your feelings run away with you,\r"
        u"and your mood changes by the hour.\r"
        u"Stormy quarrels give way to equally stormy reconciliations.\r"
        u"Feelings teach you almost too much; each one leaves a mark.\r"
        u"Let your passions loose on stage. You were born to play tragedy.",
        // band 9
        u"About 95% :\r"
        u"Your emotions always run at full volume,\r"
        u"and the slightest thing brings tears or delight.\r"
        u"You can turn spilt tea into a drama in three acts.\r"
        u"Impressions pour in faster than you can make sense of them.\r"
        u"As an opera diva or a rock star,\r"
        u"you would play the part long after the curtain falls.",
        // band 10
        u"About 100% :\r"
        u"Could you be an emotional volcano? Your passions erupt at the drop of a hat.\r"
        u"Government health warning:\r"
        u"\"Sudden mood swings are dangerous to your mental health!\""
    },
    // Imaging type (visual arts)
    {
        // band 0
        u"About 5% :\r"
        u"Your imagination is on the quiet side,\r"
        u"so picturing what isn’t in front of you is hard work.\r"
        u"Learning from pictures is very slow going for you.\r"
        u"You won’t become a painter, but you do see things as they really are.",
        // band 1
        u"About 10% :\r"
        u"What you see fades quickly from your memory.\r"
        u"You notice colours and shapes only when someone points them out.\r"
        u"Pictures and diagrams don’t help you learn much.\r"
        u"Design is not your line of work.",
        // band 2
        u"About 30% :\r"
        u"Your imagination rarely wakes up\r"
        u"and never stays awake for long.\r"
        u"It’s easier for you to copy a ready-made design\r"
        u"than to come up with one of your own.\r"
        u"Pictures help you learn less than they help most people.\r"
        u"Drawing can be a pleasant pastime, but it won’t be your profession.",
        // band 3
        u"About 35% :\r"
        u"Your visual memory is average, and you remember faces quite well.\r"
        u"Still, your imagination could afford to be bolder.\r"
        u"Learning from pictures is just below average for you.\r"
        u"You could manage as a window dresser, but hardly as an artist.",
        // band 4
        u"About 45% :\r"
        u"A keen sense of colour lets you see a thing in detail before it exists.\r"
        u"Pictures and diagrams help you learn as much as anyone.\r"
        u"Feel free to try your hand at interior design.",
        // band 5
        u"About 55% :\r"
        u"A rich imagination and a sharp eye for detail serve you well.\r"
        u"People can't help looking at your drawings and photographs.\r"
        u"Learning from pictures comes easily to you.\r"
        u"You are a born illustrator or photographer.",
        // band 6
        u"About 65% :\r"
        u"Images come to you easily, and you sense composition by instinct.\r"
        u"Your spatial reasoning is excellent.\r"
        u"You can often learn from a picture at a single glance.\r"
        u"Your true calling lies in architecture.",
        // band 7
        u"About 70% :\r"
        u"Your visual memory is exceptional,\r"
        u"and your imagination is bold.\r"
        u"You see the world as a canvas waiting for its painter.\r"
        u"Learning from pictures is second nature to you.\r"
        u"Fame as a painter or sculptor is only a matter of time.",
        // band 8
        u"About 90% :\r"
        u"Your imagination never stops working,\r"
        u"and daydreams sometimes crowd out your everyday duties.\r"
        u"With your head in the clouds, you lose track of deadlines.\r"
        u"Pictures teach you in a flash, while dry texts only bore you.\r"
        u"Avant-garde painting or animation is the career for you.",
        // band 9
        u"About 95% :\r"
        u"You live in a world of your own imagining,\r"
        u"and reality seems grey and dull.\r"
        u"Others don't always grasp your ideas, nor do you always notice others.\r"
        u"Pictures teach you everything; plain words barely reach you.\r"
        u"Unrecognised genius is your fate, until a gallery owner finds you.",
        // band 10
        u"About 100% :\r"
        u"You see what nobody else can see.\r"
        u"Colours have a sound for you, and sounds have a colour.\r"
        u"Your dreams are more vivid than any film.\r"
        u"Just don't try to walk through a door you painted yourself!"
    },
    // Logical type (exact sciences)
    {
        // band 0
        u"About 5% :\r"
        u"Logical reasoning tires you out by the second step.\r"
        u"Numbers and formulas worry you more than they interest you.\r"
        u"Strict logic is an uphill struggle for you.\r"
        u"Mathematics is not your strong suit,\r"
        u"but at least no unsolved problem will ever cost you a night's sleep.",
        // band 1
        u"About 10% :\r"
        u"The thread of an argument quickly slips away from you.\r"
        u"You solve problems by guesswork rather than by the rules.\r"
        u"Logical methods take real effort to learn.\r"
        u"Don't count on a career in programming.",
        // band 2
        u"About 30% :\r"
        u"Simple logic puzzles are fine, but long chains of reasoning trip you up.\r"
        u"You know your times tables by heart; fractions, less so.\r"
        u"You learn logic more slowly than most.\r"
        u"Accountancy would be a chore for you.",
        // band 3
        u"About 35% :\r"
        u"You seldom make mistakes when recalling a chain of logical steps.\r"
        u"Mastering mathematics gives you no trouble.\r"
        u"Your ability to learn through logic is about average.\r"
        u"Still, a teaching career is not your path.",
        // band 4
        u"About 45% :\r"
        u"Methodical thinking comes naturally, and you know how to draw conclusions.\r"
        u"Maths and the sciences cost you little effort.\r"
        u"New methods are easy for you to master.\r"
        u"You could do well in engineering or economics.",
        // band 5
        u"About 55% :\r"
        u"Formulas stay firmly in your memory, and your logic is clear.\r"
        u"You easily break a complex problem down into simple steps.\r"
        u"You grasp the logic of new material at once.\r"
        u"You have the makings of a first-rate programmer.",
        // band 6
        u"About 65% :\r"
        u"A sharp, analytical mind lets you reason with rare precision.\r"
        u"You spot contradictions in other people's arguments at once.\r"
        u"You master a new theory quickly and without effort.\r"
        u"A job as an analyst or a maths teacher would suit you.",
        // band 7
        u"About 70% :\r"
        u"Brilliant logical thinking sets you apart.\r"
        u"You hold long chains of proof in your head\r"
        u"and can return to any link without a single error.\r"
        u"New branches of mathematics take you days, not years.\r"
        u"A research career in physics or mathematics lies ahead.",
        // band 8
        u"About 90% :\r"
        u"Every statement, you feel, must be proved,\r"
        u"even a compliment, which needs no proof at all.\r"
        u"Where intuition is called for,\r"
        u"you find yourself at a loss.\r"
        u"Logic comes effortlessly, perhaps too effortlessly.\r"
        u"You belong in theoretical research.",
        // band 9
        u"About 95% :\r"
        u"Logic rules your whole life, even your feelings and your leisure.\r"
        u"You go on solving problems in your sleep.\r"
        u"You soak up logic endlessly, but not everything in life can be proved.\r"
        u"You were made for professional chess or cryptography.",
        // band 10
        u"About 100% :\r"
        u"You check everything under the sun for consistency.\r"
        u"Even love, it seems, you derive from axioms.\r"
        u"Do you pass the \"I'm not a robot\" test at the first attempt?"
    },
    // Aiming type (advertising)
    {
        // band 0
        u"About 5% :\r"
        u"Your goals drift,\r"
        u"and your plans change with your mood.\r"
        u"Systems and structures simply refuse to stay in your head.\r"
        u"You won't sell advertising, but no advert will ever fool you either.",
        // band 1
        u"About 10% :\r"
        u"A rather passive lifestyle is likely.\r"
        u"Finding the best way to pursue your aims is a real struggle.\r"
        u"Your ability to learn from systems is limited.\r"
        u"You are unlikely to make a living selling advertising.",
        // band 2
        u"About 30% :\r"
        u"You set yourself goals, but give up at the first obstacle.\r"
        u"A systematic approach comes harder to you than to most.\r"
        u"An advertising agent's job is bound to wear you out.",
        // band 3
        u"About 35% :\r"
        u"You reach your goals, though not by the shortest route.\r"
        u"Systems and schemes give you only a little trouble.\r"
        u"A post as assistant to an advertising manager would suit you nicely.",
        // band 4
        u"About 45% :\r"
        u"Picking out what matters comes naturally, and you sense what others want.\r"
        u"You learn a new system at about the usual pace.\r"
        u"An advertising agent's job is a good fit for you.",
        // band 5
        u"About 55% :\r"
        u"You set clear goals and reach them on time.\r"
        u"You learn new systems faster than most people.\r"
        u"Marketing is where you will succeed.",
        // band 6
        u"About 65% :\r"
        u"You see the goal clearly\r"
        u"and can carry others along with you.\r"
        u"Anything with a clear plan sticks in the mind at once.\r"
        u"You should be running advertising campaigns.",
        // band 7
        u"About 70% :\r"
        u"Determined and persuasive, you find the shortest route to a result\r"
        u"and can present any idea so that people want to buy it.\r"
        u"You can take in any system at a glance.\r"
        u"An advertising agency of your own will bring you success.",
        // band 8
        u"About 90% :\r"
        u"The goal comes to matter more than anything else.\r"
        u"To get results, you will stop at nothing.\r"
        u"Your pushiness sometimes scares clients away.\r"
        u"You learn fast, but only what serves the goal of the moment.\r"
        u"A large advertising group will value your drive and tenacity.",
        // band 9
        u"About 95% :\r"
        u"Life without a goal is unthinkable for you,\r"
        u"and no sooner is one reached than you rush on to the next.\r"
        u"People see you as a tireless sales machine,\r"
        u"and your friends hide from your special offers.\r"
        u"Learning never takes a day off for you.\r"
        u"Even election campaigns are well within your reach.",
        // band 10
        u"About 100% :\r"
        u"Don't try to sell the Moon; there are no buyers for it yet!"
    },
    // Managing type (business)
    {
        // band 0
        u"About 5% :\r"
        u"Responsibility is something you avoid,\r"
        u"and you dislike having to make decisions.\r"
        u"Rules and principles are very slow to sink in.\r"
        u"Let others run things, and your weekends will stay your own.",
        // band 1
        u"About 10% :\r"
        u"Regulations and routine feel alien to you,\r"
        u"and orders from above weigh heavily on you.\r"
        u"New rules take you a long time to get used to.\r"
        u"Business is hardly your cup of tea.",
        // band 2
        u"About 30% :\r"
        u"Organising your own work is fine; other people's is a struggle.\r"
        u"Rules and regulations take you a while to remember.\r"
        u"You are most at ease as an ordinary member of staff.",
        // band 3
        u"About 35% :\r"
        u"You keep to your principles,\r"
        u"but in an argument you usually give way.\r"
        u"Too much responsibility makes you uneasy.\r"
        u"Learning the rules takes you only a little longer than most.\r"
        u"Running a small office would suit you well.",
        // band 4
        u"About 45% :\r"
        u"You share out tasks confidently and see that they get done.\r"
        u"Colleagues know they can trust your word.\r"
        u"You master new regulations without much fuss.\r"
        u"A whole department could safely be put in your charge.",
        // band 5
        u"About 55% :\r"
        u"Firm principles and a talent for negotiation are your strengths.\r"
        u"You quickly find common ground with partners.\r"
        u"New rules are quickly learned and long remembered.\r"
        u"A business of your own is a real prospect.",
        // band 6
        u"About 65% :\r"
        u"The whole system is clear to you, and you run it with a steady hand.\r"
        u"Your staff value your fairness, and you master new rules quickly.\r"
        u"A company director's chair is waiting for you.",
        // band 7
        u"About 70% :\r"
        u"Few can match your talent for organisation.\r"
        u"You know how to take calculated risks, and win.\r"
        u"You learn the rules of any market quickly and easily.\r"
        u"Success awaits you as an entrepreneur or a banker.",
        // band 8
        u"About 90% :\r"
        u"Everything stays under your personal control,\r"
        u"and you find it hard to hand work over to others.\r"
        u"Principle hardens into stubbornness.\r"
        u"Clashes with partners and staff are likely.\r"
        u"Once you have learned a rule, nothing will make you bend it.\r"
        u"You could head a large corporation once you learn to share authority.",
        // band 9
        u"About 95% :\r"
        u"Work has swallowed you whole,\r"
        u"and nothing else in the world gets a look-in.\r"
        u"Any departure from the rules makes you lose your temper.\r"
        u"Red tape threatens to strangle the business itself.\r"
        u"Your hunger for rules and procedures knows no bounds.\r"
        u"You are the very picture of a workaholic banker, but is success worth it?",
        // band 10
        u"About 100% :\r"
        u"Are your job descriptions for the whole of humanity ready yet?"
    },
    // Worldoutlooking type (science and religion)
    {
        // band 0
        u"About 5% :\r"
        u"The meaning of life and how the world works hardly interest you.\r"
        u"To you, science is just a dull school subject.\r"
        u"Laws and theories barely stick in your mind.\r"
        u"Philosophy can do without you, and life is simpler without it.",
        // band 1
        u"About 10% :\r"
        u"The laws of nature are something you take for granted.\r"
        u"Your picture of the world has yet to come together.\r"
        u"Theories rarely stay in your head for long.\r"
        u"Scientific work would hold little appeal for you.",
        // band 2
        u"About 30% :\r"
        u"Now and then you ponder the eternal questions,\r"
        u"but soon return to everyday matters.\r"
        u"Borrowing views is easier for you than forming your own.\r"
        u"You remember laws and theories less readily than most people.\r"
        u"A scientific career would demand enormous effort from you.",
        // band 3
        u"About 35% :\r"
        u"Your world view is taking shape, though it still has plenty of gaps.\r"
        u"You enjoy reading popular science books.\r"
        u"Laws and theories stick reasonably well.\r"
        u"Start as a lab assistant and take it from there.",
        // band 4
        u"About 45% :\r"
        u"Connections between things catch your eye, and you look for their causes.\r"
        u"You learn laws and theories at an average pace.\r"
        u"You would make a good science teacher.",
        // band 5
        u"About 55% :\r"
        u"Your world view is coherent, and life's big questions fascinate you.\r"
        u"You debate faith and knowledge with respect for the other side.\r"
        u"Laws and theories stay with you well.\r"
        u"Research and the Church are both open to you.",
        // band 6
        u"About 65% :\r"
        u"You seek to understand the universe and humanity's place in it.\r"
        u"You grasp any new theory with ease.\r"
        u"Science and religion are not enemies to you but two views of one truth.\r"
        u"Philosophy, which brings the two together, is the field that suits you best of all.",
        // band 7
        u"About 70% :\r"
        u"The laws of nature and society hold few secrets from you.\r"
        u"Your views are broad and mature; people often seek your advice.\r"
        u"New laws and theories come to you effortlessly.\r"
        u"You may well become a respected scientist or theologian.",
        // band 8
        u"About 90% :\r"
        u"Your own picture of the world seems to you the only true one.\r"
        u"You will spend hours trying to win over anyone who disagrees.\r"
        u"Dogmatism is never far away.\r"
        u"You learn theories greedily, but only those that fit your own.\r"
        u"Hear your students out, and you could found a school of thought.",
        // band 9
        u"About 95% :\r"
        u"The search for ultimate truth never tires you,\r"
        u"and you will argue about it with anyone you meet.\r"
        u"Intolerance of other views\r"
        u"could leave you a preacher without a flock.\r"
        u"Your head is crammed with laws and theories to the point of excess.\r"
        u"A hermit's life tempts you, but don't turn your back on the world.",
        // band 10
        u"About 100% :\r"
        u"Hope, you are not going to declare yourself as Prophet!"
    },
};
// clang-format on

}  // namespace mr
