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
        u"Coordination is weak, and every new movement takes an age to learn.\r"
        u"Your body rarely does quite what you ask of it.\r"
        u"Top-level sport is not for you, but the best seats are in the stands anyway.",
        // band 1
        u"About 10% :\r"
        u"Your body is slow to remember an exercise and quick to forget it.\r"
        u"Any new skill takes you weeks of patient practice.\r"
        u"Turning professional is unlikely, but a morning workout never hurt anyone.",
        // band 2
        u"About 30% :\r"
        u"Simple exercises come easily enough,\r"
        u"but new moves and complex combinations take endless practice.\r"
        u"A weekend kickabout with friends is just the thing for you.",
        // band 3
        u"About 35% :\r"
        u"Keeping fit takes little effort, and new techniques only a little more.\r"
        u"Your stamina, though, sometimes lets you down.\r"
        u"Club competitions are as far as you are likely to go.",
        // band 4
        u"About 45% :\r"
        u"Coordination and balance are both on your side.\r"
        u"New sports and dances are easy for you to pick up.\r"
        u"Training is a pleasure for you, not a chore.\r"
        u"A job as a fitness instructor is well worth considering.",
        // band 5
        u"About 55% :\r"
        u"Every movement is precise and economical,\r"
        u"and a new exercise is yours after a couple of tries.\r"
        u"Team games bring you plenty of fun and plenty of wins.\r"
        u"You would make a fine coach for a children's sports team.",
        // band 6
        u"About 65% :\r"
        u"Motor memory is your great strength: learn a movement once,\r"
        u"and you will repeat it precisely years later.\r"
        u"Stamina and reactions are well above average.\r"
        u"You pick up new techniques in no time at all.\r"
        u"The door to professional sport is open to you.",
        // band 7
        u"About 70% :\r"
        u"Strength, flexibility and agility are in perfect balance.\r"
        u"You master even the hardest routines with remarkable ease.\r"
        u"Coaches and judges spot you straight away.\r"
        u"A place in the national team is a goal worth aiming for.",
        // band 8
        u"About 90% :\r"
        u"Without exercise you feel like a fish out of water.\r"
        u"New skills come almost too easily, and no workload ever feels like enough.\r"
        u"An Olympic medal is within your grasp if your coach can stop you overdoing it.",
        // band 9
        u"About 95% :\r"
        u"Your body craves constant exercise; a day off feels like wasted time.\r"
        u"Take your rest days seriously, because they are part of training too.\r"
        u"Each new move comes so easily that you rarely bother to polish it.\r"
        u"You are cut out for stunt work or for test flying.",
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
        u"Feelings and impressions teach you very little.\r"
        u"You have nerves of steel, though the stage holds no appeal for you.",
        // band 1
        u"About 10% :\r"
        u"Other people’s feelings are a closed book to you,\r"
        u"and your own rarely find a way out.\r"
        u"Emotional experience takes a long time to sink in.\r"
        u"There’s little danger of a career\r"
        u"as an actor or a singer.",
        // band 2
        u"About 30% :\r"
        u"Tunes soon slip from your memory,\r"
        u"and your ear could do with some training.\r"
        u"You keep your feelings to yourself, and so learn less from them than you might.\r"
        u"A seat in the audience is more your style than a place on stage.",
        // band 3
        u"About 35% :\r"
        u"You feel things deeply,\r"
        u"but you cannot always show it.\r"
        u"You gladly sing along to your favourite songs, if not always in tune.\r"
        u"The lessons of the heart take you a while to learn.\r"
        u"Amateur theatre, yes; the big stage, hardly.",
        // band 4
        u"About 45% :\r"
        u"Emotional memory serves you well,\r"
        u"and you have a good ear for music.\r"
        u"You draw a lesson from everything you live through.\r"
        u"Teaching music in a school would make good use of your gifts.",
        // band 5
        u"About 55% :\r"
        u"You sense the mood of the person you are talking to\r"
        u"and can pass it on to others.\r"
        u"Music and theatre mean a great deal to you\r"
        u"and teach you more quickly than any book.\r"
        u"A career as a music critic was made for you.",
        // band 6
        u"About 65% :\r"
        u"Audiences are swept up at once by your vivid, infectious emotion.\r"
        u"The stage does not frighten you; it inspires you.\r"
        u"Whatever you live through stays with you all your life.\r"
        u"Actor, singer or musician? Choose whichever you love most.",
        // band 7
        u"About 70% :\r"
        u"A rare gift for becoming someone else lets you live any feeling as your own.\r"
        u"You take to music and drama like a duck to water.\r"
        u"Theatre, opera or pop: any stage is yours for the taking.",
        // band 8
        u"About 90% :\r"
        u"Feelings run away with you,\r"
        u"and your mood changes by the hour.\r"
        u"Stormy quarrels give way to equally stormy reconciliations.\r"
        u"Every feeling teaches you a lesson, and some leave a scar.\r"
        u"Let your passions loose on stage. You were born to play tragedy.",
        // band 9
        u"About 95% :\r"
        u"With you, emotions always run high,\r"
        u"and the slightest thing brings tears or delight.\r"
        u"Spilt tea is all it takes for a drama in three acts.\r"
        u"Impressions pour in faster than you can make sense of them.\r"
        u"Opera diva or rock star, it is a part you go on playing\r"
        u"offstage, long after the curtain has fallen.",
        // band 10
        u"About 100% :\r"
        u"Surely you're not an emotional volcano? Your passions erupt at the drop of a hat.\r"
        u"Government health warning:\r"
        u"\"Sudden mood swings are dangerous to your mental health!\""
    },
    // Imaging type (visual arts)
    {
        // band 0
        u"About 5% :\r"
        u"Imagination is not your strong point,\r"
        u"so picturing what isn’t in front of you is hard work.\r"
        u"You find it very hard to learn from pictures.\r"
        u"You won’t become a painter, but you do see things as they really are.",
        // band 1
        u"About 10% :\r"
        u"What you see fades quickly from your memory.\r"
        u"You notice colours and shapes only when someone points them out.\r"
        u"Charts and visual aids don’t help you learn much.\r"
        u"Design is not really your line of work.",
        // band 2
        u"About 30% :\r"
        u"Imagination wakes up only rarely\r"
        u"and never stays awake for long.\r"
        u"It’s easier for you to copy a ready-made design\r"
        u"than to come up with one of your own.\r"
        u"You learn less from pictures than most people do.\r"
        u"Drawing can be a pleasant pastime, but it won’t be your profession.",
        // band 3
        u"About 35% :\r"
        u"Visual memory is average, but faces stay with you quite well.\r"
        u"Still, your imagination could afford to be bolder.\r"
        u"Learning by eye comes almost as easily to you as to the next person.\r"
        u"You could dress shop windows, but painting is another matter.",
        // band 4
        u"About 45% :\r"
        u"You think in images, have a fine sense of colour and learn easily from drawings.\r"
        u"Every detail of a thing is clear to you before it exists.\r"
        u"Feel free to try your hand at interior design.",
        // band 5
        u"About 55% :\r"
        u"A rich imagination and a sharp eye for detail serve you well.\r"
        u"It is hard to look away from your drawings and photographs.\r"
        u"Anything you can see, you can learn with ease.\r"
        u"You are a born illustrator or photographer.",
        // band 6
        u"About 65% :\r"
        u"Images come to you easily, and you sense composition by instinct.\r"
        u"Your spatial reasoning is excellent;\r"
        u"a single glance at a drawing often tells you all you need.\r"
        u"Your true calling lies in architecture.",
        // band 7
        u"About 70% :\r"
        u"Your visual memory is exceptional,\r"
        u"and your imagination is bold.\r"
        u"To you, the world is a canvas waiting for the brush.\r"
        u"Any image stays with you after a single look.\r"
        u"Fame as a painter or sculptor is only a matter of time.",
        // band 8
        u"About 90% :\r"
        u"Your imagination never stops working,\r"
        u"and daydreams sometimes crowd out your everyday duties.\r"
        u"With your head in the clouds, you lose track of deadlines.\r"
        u"A picture teaches you in a flash, while dry text sends you to sleep.\r"
        u"Avant-garde painting or animation is the career for you.",
        // band 9
        u"About 95% :\r"
        u"You live in a world of your own imagining,\r"
        u"and reality seems grey and dull.\r"
        u"You often forget other people exist, and they rarely follow your ideas.\r"
        u"Images teach you everything; words, nothing at all.\r"
        u"You are an unrecognised genius until the right gallery owner comes along.",
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
        u"Logical reasoning tires you out by the second step,\r"
        u"and strict logic is an uphill struggle to learn.\r"
        u"Numbers and formulas worry you more than they interest you.\r"
        u"Mathematics is not your strong suit,\r"
        u"but at least no unsolved problem will ever cost you a night's sleep.",
        // band 1
        u"About 10% :\r"
        u"The thread of an argument quickly slips away from you.\r"
        u"You solve problems by guesswork rather than by the rules.\r"
        u"Logic, for you, has to be learned by rote.\r"
        u"Don't count on a career in programming.",
        // band 2
        u"About 30% :\r"
        u"Simple logic puzzles are fine, but long chains of reasoning trip you up.\r"
        u"You know your times tables by heart; fractions, less so.\r"
        u"Logic takes you longer to learn than you would like.\r"
        u"Accountancy would be a chore for you.",
        // band 3
        u"About 35% :\r"
        u"You seldom make mistakes when recalling a chain of logical steps.\r"
        u"Mastering mathematics gives you no trouble.\r"
        u"Your ability to learn through logic is about average.\r"
        u"Still, a teaching career is not your path.",
        // band 4
        u"About 45% :\r"
        u"You think methodically and master new techniques with ease.\r"
        u"Maths and the sciences take you little effort.\r"
        u"A tidy mind keeps your everyday affairs in order too.\r"
        u"You could do well in engineering or economics.",
        // band 5
        u"About 55% :\r"
        u"Formulas stay firmly in your memory, and your logic is clear.\r"
        u"You easily break a complex problem down into simple steps.\r"
        u"New material needs explaining to you only once.\r"
        u"You have the makings of a first-rate programmer.",
        // band 6
        u"About 65% :\r"
        u"A sharp, analytical mind lets you reason with rare precision\r"
        u"and master a new theory at the first reading.\r"
        u"You spot contradictions in other people's arguments at once.\r"
        u"An analyst's job or maths teaching would be right up your street.",
        // band 7
        u"About 70% :\r"
        u"Brilliant logical thinking sets you apart.\r"
        u"You hold long chains of proof in your head\r"
        u"and can return to any link without a single error.\r"
        u"A new branch of science takes you days to master, not years.\r"
        u"A research career in physics or mathematics lies ahead.",
        // band 8
        u"About 90% :\r"
        u"You set out to prove every statement,\r"
        u"even a compliment, which needs no proof at all.\r"
        u"Where intuition is called for,\r"
        u"you find yourself at a loss.\r"
        u"Logic comes to you easily, perhaps too easily.\r"
        u"Theoretical science is where you belong.",
        // band 9
        u"About 95% :\r"
        u"Logic rules your whole life, even your feelings and your leisure.\r"
        u"You go on solving problems in your sleep.\r"
        u"You devour proofs endlessly, but not everything in life can be proved.\r"
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
        u"You will not get far in advertising, but no advert will ever take you in.",
        // band 1
        u"About 10% :\r"
        u"You are likely to take life rather passively.\r"
        u"Finding the best way to pursue your aims is a real struggle.\r"
        u"Learning how systems work does not come easily.\r"
        u"You will hardly make your living selling advertising.",
        // band 2
        u"About 30% :\r"
        u"You set yourself goals, but give up at the first obstacle.\r"
        u"You learn to work to a system slowly and reluctantly.\r"
        u"An advertising agent's job would soon grow tiresome.",
        // band 3
        u"About 35% :\r"
        u"You reach your goals, though not by the shortest route.\r"
        u"New systems take you a while, but you get there in the end.\r"
        u"You would do well as an assistant to an advertising manager.",
        // band 4
        u"About 45% :\r"
        u"Picking out what matters comes naturally, and you sense what others want.\r"
        u"You learn new things no faster and no slower than anyone else.\r"
        u"An advertising agent's job is a good fit for you.",
        // band 5
        u"About 55% :\r"
        u"Clear goals, reached on time: that is your style.\r"
        u"You pick up new systems faster than most colleagues.\r"
        u"Marketing is where you will succeed.",
        // band 6
        u"About 65% :\r"
        u"The goal is always clear to you,\r"
        u"and you can carry others along with you.\r"
        u"You grasp a well-made plan the moment you see it.\r"
        u"You should be running advertising campaigns.",
        // band 7
        u"About 70% :\r"
        u"Determined and persuasive, you find the shortest route to a result,\r"
        u"get to grips with any system in a minute\r"
        u"and can present any idea so that people want to buy it.\r"
        u"An advertising agency of your own will bring you success.",
        // band 8
        u"About 90% :\r"
        u"The goal is all that matters to you.\r"
        u"To get results, you will stop at nothing.\r"
        u"Your pushiness sometimes scares clients away.\r"
        u"You learn quickly, but only what serves your purpose.\r"
        u"A large advertising group will value your drive and tenacity.",
        // band 9
        u"About 95% :\r"
        u"Life without a goal is unthinkable for you,\r"
        u"and no sooner is one reached than you rush on to the next.\r"
        u"People see you as a tireless sales machine,\r"
        u"and your friends hide from your special offers.\r"
        u"You study new sales techniques even on holiday.\r"
        u"You could handle anything, even an election campaign.",
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
        u"You would never feel at home in business.",
        // band 2
        u"About 30% :\r"
        u"Organising your own work is fine; other people's is a struggle.\r"
        u"Rules and regulations rarely stick at the first reading.\r"
        u"You are most at ease as an ordinary member of staff.",
        // band 3
        u"About 35% :\r"
        u"You keep to your principles,\r"
        u"but in an argument you usually give way.\r"
        u"Too much responsibility makes you uneasy.\r"
        u"Learning the rules takes you barely longer than anyone else.\r"
        u"A small office would be glad of you as its administrator.",
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
        u"New rules are easily learned and long remembered.\r"
        u"Starting your own business is a real prospect.",
        // band 6
        u"About 65% :\r"
        u"One glance shows you a system and its rules, and you run it with a steady hand.\r"
        u"Those who work for you value your fairness.\r"
        u"A company director's chair is waiting for you.",
        // band 7
        u"About 70% :\r"
        u"Few can match your talent for organisation.\r"
        u"You know how to take calculated risks, and win.\r"
        u"You master the rules of any market quickly and easily.\r"
        u"Success awaits you as an entrepreneur or a banker.",
        // band 8
        u"About 90% :\r"
        u"Everything stays under your personal control,\r"
        u"and you find it hard to hand work over to others.\r"
        u"Principle hardens into stubbornness.\r"
        u"Clashes with partners and staff are likely.\r"
        u"Once you have learned a rule, you never bend it.\r"
        u"You could head a large corporation, provided you learn to delegate.",
        // band 9
        u"About 95% :\r"
        u"Work has swallowed you whole,\r"
        u"and nothing else in the world gets a look-in.\r"
        u"Any departure from the rules makes you lose your temper.\r"
        u"Red tape threatens to strangle the business itself.\r"
        u"You know every rulebook by heart and still ask for more.\r"
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
        u"Theories go in one ear and out the other.\r"
        u"Philosophy can do without you, and you find life easier without it.",
        // band 1
        u"About 10% :\r"
        u"The laws of nature are something you take for granted.\r"
        u"Your picture of the world has yet to come together,\r"
        u"not least because the theories you learn soon slip away.\r"
        u"Scientific work would hold little appeal for you.",
        // band 2
        u"About 30% :\r"
        u"Now and then you ponder the eternal questions,\r"
        u"but soon return to everyday matters.\r"
        u"Borrowing views is easier for you than forming your own.\r"
        u"A new theory takes a good while to settle in your head.\r"
        u"A scientific career would demand enormous effort from you.",
        // band 3
        u"About 35% :\r"
        u"Your world view is taking shape,\r"
        u"though it still has plenty of gaps.\r"
        u"You enjoy popular science books and remember a fair amount of what you read.\r"
        u"Start out as a lab assistant and see where it takes you.",
        // band 4
        u"About 45% :\r"
        u"Connections between things catch your eye, and you look for their causes.\r"
        u"You learn scientific laws as readily as anyone.\r"
        u"Teaching science at a school would be a natural fit.",
        // band 5
        u"About 55% :\r"
        u"Life's big questions fascinate you, and your world view hangs together.\r"
        u"You debate faith and knowledge with respect for the other side.\r"
        u"Theories, once learned, stay with you for good.\r"
        u"Research and the Church are both open to you.",
        // band 6
        u"About 65% :\r"
        u"You seek to understand the universe and humanity's place in it,\r"
        u"and you take in every new theory with ease.\r"
        u"Science and religion are not enemies to you but two views of one truth.\r"
        u"Philosophy, which brings the two together, is the field that suits you best of all.",
        // band 7
        u"About 70% :\r"
        u"The laws of nature and society hold few secrets from you.\r"
        u"Your views are broad and mature; people often seek your advice.\r"
        u"You take in new ideas without the slightest effort.\r"
        u"Recognition as a scientist or theologian lies ahead.",
        // band 8
        u"About 90% :\r"
        u"Your own picture of the world strikes you as the only true one.\r"
        u"You will spend hours trying to win over anyone who disagrees.\r"
        u"Dogmatism is never far away.\r"
        u"You soak up theories greedily, as long as they agree with you.\r"
        u"Hear your students out, and you could found a school of thought.",
        // band 9
        u"About 95% :\r"
        u"The search for ultimate truth never tires you,\r"
        u"and you will argue about it with anyone you meet.\r"
        u"Intolerance of other views\r"
        u"could leave you a preacher without a flock.\r"
        u"You hoard laws and theories far beyond any need.\r"
        u"A chair in theology awaits you, but don't cut yourself off from the world.",
        // band 10
        u"About 100% :\r"
        u"Hope, you are not going to declare yourself as Prophet!"
    },
};
// clang-format on

}  // namespace mr
